#include "platform/controls.h"

#include "platform/columnlabel.h"
#include "platform/focusframe.h"
#include "platform/keytextbox.h"
#include "platform/listbox.h"
#include "platform/optionbutton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>

namespace platform {
namespace {

// The style outlines a bar's thumb and arrow buttons in a shade of the window colour.
constexpr QColor kBarOutline(32, 32, 32);

// A tenth of the range, at least 1.
int largeStep(int minimum, int maximum)
{
    return std::max(1, (maximum - minimum) / 10);
}

// The style draws no focus on a bar: a focused one gets a frame and a filled thumb in the
// focus blue. Its large step (Page Up/Down, a click in the trough) follows its range.
class ValueBar : public QScrollBar
{
public:
    ValueBar(Qt::Orientation orientation, QWidget *parent) : QScrollBar(orientation, parent)
    {
        setFocusPolicy(Qt::StrongFocus);
        setPageStep(largeStep(minimum(), maximum()));
    }

protected:
    void sliderChange(SliderChange change) override
    {
        if (change == SliderRangeChange)
            setPageStep(largeStep(minimum(), maximum()));
        QScrollBar::sliderChange(change);
    }

    // Left and Up step down, Right and Down up, on either orientation (Qt turns Left and
    // Right round on a horizontal bar).
    void keyPressEvent(QKeyEvent *event) override
    {
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            triggerAction(SliderSingleStepSub);
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            triggerAction(SliderSingleStepAdd);
            break;
        case Qt::Key_PageUp:
            triggerAction(SliderPageStepSub);
            break;
        case Qt::Key_PageDown:
            triggerAction(SliderPageStepAdd);
            break;
        case Qt::Key_Home:
            triggerAction(SliderToMinimum);
            break;
        case Qt::Key_End:
            triggerAction(SliderToMaximum);
            break;
        default:
            QScrollBar::keyPressEvent(event);
        }
    }

    void paintEvent(QPaintEvent *event) override
    {
        QScrollBar::paintEvent(event);
        if (!hasFocus())
            return;
        QStyleOptionSlider option;
        initStyleOption(&option);
        const QRect thumb =
            style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
        QPainter painter(this);
        painter.fillRect(thumb.adjusted(2, 2, -2, -2), kFocusMark);
        drawFocusFrame(painter, rect());
    }
};

// Enter clicks a focused button as Space does, in every window (Qt does so only in dialogs);
// the style's faint focus line gets the focus frame, drawn inside the button's edge.
class CommandButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }

    void paintEvent(QPaintEvent *event) override
    {
        QPushButton::paintEvent(event);
        frameIfFocused(*this, rect().adjusted(2, 2, -2, -2));
    }
};

template <class T> T *named(T *control, QStringView name, Twips rect)
{
    control->setObjectName(name.toString());
    control->setFont(windowFont());
    place(control, rect);
    return control;
}

template <class T> T *madeLabel(T *label, QStringView name, Twips rect, QStringView text)
{
    named(label, name, rect);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setText(text.toString());
    return label;
}

} // namespace

QLabel *makeLabel(QWidget *parent, QStringView name, Twips rect, QStringView text)
{
    return madeLabel(new QLabel(parent), name, rect, text);
}

ColumnLabel *makeColumnLabel(QWidget *parent, QStringView name, Twips rect, QStringView text)
{
    return madeLabel(new ColumnLabel(parent), name, rect, text);
}

QPushButton *makeButton(QWidget *parent, QStringView name, Twips rect, QStringView text)
{
    auto *button = named(new CommandButton(parent), name, rect);
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
    auto *bar = named(new ValueBar(orientation, parent), name, rect);
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
    bar->setValue(value);
    return bar;
}

void setBarMaximum(QScrollBar *bar, int maximum)
{
    // Qt cannot hold a minimum above the maximum: it would move the minimum instead.
    bar->setMaximum(std::max(maximum, bar->minimum()));
}

} // namespace platform
