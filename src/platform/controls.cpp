#include "platform/controls.h"

#include "platform/keytextbox.h"
#include "platform/listbox.h"
#include "platform/optionbutton.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace platform {
namespace {

// The style outlines a bar's thumb and arrow buttons in a shade of the window colour.
constexpr QColor kBarOutline(32, 32, 32);

template <class T> T *named(T *control, QStringView name, Twips rect)
{
    control->setObjectName(name.toString());
    control->setFont(windowFont());
    place(control, rect);
    return control;
}

} // namespace

QLabel *makeLabel(QWidget *parent, QStringView name, Twips rect, QStringView text)
{
    auto *label = named(new QLabel(parent), name, rect);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setText(text.toString());
    return label;
}

QPushButton *makeButton(QWidget *parent, QStringView name, Twips rect, QStringView text)
{
    auto *button = named(new QPushButton(parent), name, rect);
    button->setText(text.toString());
    return button;
}

KeyTextBox *makeTextBox(QWidget *parent, QStringView name, Twips rect, QStringView text)
{
    auto *box = named(new KeyTextBox(parent), name, rect);
    box->setText(text.toString());
    return box;
}

ListBox *makeListBox(QWidget *parent, QStringView name, Twips rect)
{
    return named(new ListBox(parent), name, rect);
}

OptionButton *makeOptionButton(QWidget *parent, QStringView name, Twips rect, QStringView text)
{
    auto *button = named(new OptionButton(parent), name, rect);
    button->setText(text.toString());
    return button;
}

QScrollBar *makeValueBar(QWidget *parent, QStringView name, Qt::Orientation orientation, Twips rect,
                         int minimum, int maximum, int value)
{
    auto *bar = named(new QScrollBar(orientation, parent), name, rect);
    // The change handler runs once when a drag ends, not at every step of it.
    bar->setTracking(false);
    // A bar would take the window's colours (white text on purple, say), which the style
    // draws as faint arrows and thumb: the style's own light palette with a dark outline
    // shows dark arrows and an outlined thumb in a light groove on every window.
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Window, kBarOutline);
    bar->setPalette(palette);
    bar->setRange(minimum, std::max(minimum, maximum));
    bar->setSingleStep(1);
    bar->setPageStep(std::max(1, (bar->maximum() - minimum) / 10));
    bar->setValue(value);
    return bar;
}

void setBarMaximum(QScrollBar *bar, int maximum)
{
    // Qt cannot hold a minimum above the maximum: it would move the minimum instead.
    bar->setMaximum(std::max(maximum, bar->minimum()));
}

} // namespace platform
