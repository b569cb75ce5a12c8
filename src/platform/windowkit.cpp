#include "platform/windowkit.h"

#include "platform/columnlabel.h"
#include "platform/controls.h"
#include "platform/keytextbox.h"
#include "platform/listbox.h"
#include "platform/optionbutton.h"
#include "platform/surface.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace platform {
namespace {

// A control table that breaks the kit's rules must never run, in a release build neither, so
// the kit says what is wrong and stops the program. This is the kit's one deliberate fatal
// check; every other invariant of the program is a Q_ASSERT.
[[noreturn]] void stop(const QString &what)
{
    std::fprintf(stderr, "window kit: %s\n", qPrintable(what));
    std::abort();
}

QColor colourOf(const Paint &paint)
{
    switch (paint.from) {
    case Paint::From::SystemBack:
        return QGuiApplication::palette().color(QPalette::Base);
    case Paint::From::SystemText:
        return QGuiApplication::palette().color(QPalette::Text);
    case Paint::From::Fixed:
    case Paint::From::Parent:
        break;
    }
    return paint.colour;
}

QFont fontOf(Face face)
{
    QFont font = windowFont();
    if (face == Face::Serif) {
        font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("serif")});
        font.setStyleHint(QFont::Serif);
    }
    return font;
}

// A surface clears to its look's back colour, else to its window's.
QWidget *makeSurface(QWidget *parent, const QString &name, Twips rect, const Look &look)
{
    const QColor back = look.back.from == Paint::From::Parent ? parent->palette().color(QPalette::Window)
                                                              : colourOf(look.back);
    auto *surface = new Surface(parent, bgrNumber(back));
    surface->setObjectName(name);
    place(surface, rect);
    return surface;
}

QWidget *makeOne(QWidget *parent, const ControlRow &row, const QString &name)
{
    switch (row.kind) {
    case Kind::Label:
    case Kind::Picture:
        return makeLabel(parent, name, row.rect, row.text);
    case Kind::ColumnLabel:
        return makeColumnLabel(parent, name, row.rect, row.text);
    case Kind::Button:
        return makeButton(parent, name, row.rect, row.text);
    case Kind::TextBox:
        return makeTextBox(parent, name, row.rect, row.text);
    case Kind::ListBox:
        return makeListBox(parent, name, row.rect);
    case Kind::HorizontalBar:
    case Kind::VerticalBar:
        return makeValueBar(parent, name, row.kind == Kind::VerticalBar ? Qt::Vertical : Qt::Horizontal,
                            row.rect, row.bar.min, row.bar.max, row.bar.start);
    case Kind::OptionButton:
        return makeOptionButton(parent, name, row.rect, row.text);
    case Kind::DrawingSurface:
        return makeSurface(parent, name, row.rect, row.look);
    }
    stop(QStringLiteral("%1 has a kind the kit does not make").arg(name));
}

bool isTabStop(Kind kind)
{
    switch (kind) {
    case Kind::Button:
    case Kind::TextBox:
    case Kind::ListBox:
    case Kind::HorizontalBar:
    case Kind::VerticalBar:
    case Kind::OptionButton:
        return true;
    case Kind::Label:
    case Kind::ColumnLabel:
    case Kind::Picture:
    case Kind::DrawingSurface:
        break;
    }
    return false;
}

const char *kindName(Kind kind)
{
    static constexpr const char *kNames[] = {"label",    "column label",   "button",       "text box",
                                             "list box", "horizontal bar", "vertical bar", "option button",
                                             "picture",  "drawing surface"};
    return kNames[int(kind)];
}

} // namespace

void applyLook(QWidget *widget, const Look &look)
{
    auto *list = qobject_cast<ListBox *>(widget);
    if (look.back.from != Paint::From::Parent)
        setBackground(list ? list->viewport() : widget, colourOf(look.back));
    if (look.text.from != Paint::From::Parent)
        setForeground(widget, colourOf(look.text));
    if (look.face != Face::Window)
        widget->setFont(fontOf(look.face));
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (look.alignment)
            label->setAlignment(look.alignment);
        if (look.border)
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setWordWrap(look.wrap);
    } else if (auto *box = qobject_cast<KeyTextBox *>(widget)) {
        if (look.alignment)
            box->setAlignment(look.alignment);
    }
}

ControlSet::ControlSet(QWidget *window, int idCount, TabOrder tabOrder)
    : m_window(window), m_ordering(tabOrder), m_made(size_t(idCount))
{
}

void ControlSet::make(std::span<const ControlRow> rows)
{
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].id <= rows[i - 1].id)
            stop(QStringLiteral("%1 of %2 comes after %3 in its table but its id is not higher")
                     .arg(rows[i].name, m_window->objectName(), rows[i - 1].name));
    }
    for (const ControlRow &row : rows)
        add(row, row.name.toString());
    orderTabStops();
}

void ControlSet::make(const ControlRow &row)
{
    add(row, row.name.toString());
    if (isTabStop(row.kind))
        orderTabStops();
}

void ControlSet::make(const CellRun &run)
{
    if (isTabStop(run.kind))
        stop(QStringLiteral("the %1 cells of %2: a %3 is a tab stop, and cells are left out of the tab order")
                 .arg(run.prefix, m_window->objectName(), QLatin1StringView(kindName(run.kind))));
    for (int i = 0; i < int(run.positions.size()); ++i) {
        Twips rect = run.first;
        (run.along == Qt::Vertical ? rect.top : rect.left) = run.positions[i];
        add({.id = run.firstId + i, .kind = run.kind, .name = {}, .rect = rect, .look = run.look},
            run.prefix.toString() + QString::number(run.firstNumber + i));
    }
}

void ControlSet::add(const ControlRow &row, const QString &name)
{
    if (row.id < 0 || row.id >= count() || m_made[size_t(row.id)].widget)
        stop(QStringLiteral("id %1 of %2 is outside the set or made twice").arg(row.id).arg(name));
    if (m_names.contains(name))
        stop(QStringLiteral("two controls of %1 are named %2").arg(m_window->objectName(), name));
    m_names.insert(name);
    QWidget *widget = makeOne(m_window, row, name);
    applyLook(widget, row.look);
    widget->setVisible(row.shown);
    m_made[size_t(row.id)] = {widget, row.kind};
    if (isTabStop(row.kind))
        m_tabStops.push_back({widget, row.rect});
}

// Qt's tab order is the order controls are made in, the table's; in rows the stops are
// sorted here from the designed rectangles, whichever controls are shown, so that the order
// is the same at every step. They are sorted in place: a stop made later falls where a sort
// of all afresh puts it, as stops at one place keep the order they were made in.
void ControlSet::orderTabStops()
{
    if (m_ordering == TabOrder::Table)
        return;
    std::stable_sort(m_tabStops.begin(), m_tabStops.end(), [](const TabStop &a, const TabStop &b) {
        return std::pair(a.rect.top, a.rect.left) < std::pair(b.rect.top, b.rect.left);
    });
    for (auto rowStart = m_tabStops.begin(); rowStart != m_tabStops.end();) {
        const Twips first = rowStart->rect;
        const auto rowEnd = std::stable_partition(rowStart, m_tabStops.end(), [&](const TabStop &stop) {
            const Twips &r = stop.rect;
            return r.top <= first.top + first.height / 2 || r.top + r.height / 2 < first.top + first.height;
        });
        std::stable_sort(rowStart, rowEnd, [](const TabStop &a, const TabStop &b) {
            return std::pair(a.rect.left, a.rect.top) < std::pair(b.rect.left, b.rect.top);
        });
        rowStart = rowEnd;
    }
    // Qt keeps the focus chain a ring: it leaves a link that the ring already has (the last
    // stop to the first), so the ring is this order but may start elsewhere; the first focus
    // is therefore given by focusFirstTabStop, not by the ring.
    for (std::size_t i = 1; i < m_tabStops.size(); ++i)
        QWidget::setTabOrder(m_tabStops[i - 1].widget, m_tabStops[i].widget);
}

void ControlSet::focusFirstTabStop() const
{
    for (const TabStop &tabStop : m_tabStops) {
        QWidget *stop = tabStop.widget;
        if (stop->isVisibleTo(m_window) && stop->isEnabled() && (stop->focusPolicy() & Qt::TabFocus)) {
            stop->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

QWidget *ControlSet::checked(int id, std::initializer_list<Kind> kinds) const
{
    const Made *made = id >= 0 && id < count() ? &m_made[size_t(id)] : nullptr;
    if (!made || !made->widget)
        stop(QStringLiteral("no control with id %1 in %2").arg(id).arg(m_window->objectName()));
    for (Kind kind : kinds)
        if (made->kind == kind)
            return made->widget;
    stop(QStringLiteral("%1 in %2 is a %3, not a %4")
             .arg(made->widget->objectName(), m_window->objectName(), QLatin1StringView(kindName(made->kind)),
                  QLatin1StringView(kindName(*kinds.begin()))));
}

QWidget *ControlSet::widget(int id) const
{
    return checked(id, {Kind::Label, Kind::ColumnLabel, Kind::Button, Kind::TextBox, Kind::ListBox,
                        Kind::HorizontalBar, Kind::VerticalBar, Kind::OptionButton, Kind::Picture,
                        Kind::DrawingSurface});
}

QLabel *ControlSet::label(int id) const
{
    return static_cast<QLabel *>(checked(id, {Kind::Label, Kind::ColumnLabel}));
}

ColumnLabel *ControlSet::columnLabel(int id) const
{
    return static_cast<ColumnLabel *>(checked(id, {Kind::ColumnLabel}));
}

QLabel *ControlSet::picture(int id) const
{
    return static_cast<QLabel *>(checked(id, {Kind::Picture}));
}

QPushButton *ControlSet::button(int id) const
{
    return static_cast<QPushButton *>(checked(id, {Kind::Button}));
}

KeyTextBox *ControlSet::textBox(int id) const
{
    return static_cast<KeyTextBox *>(checked(id, {Kind::TextBox}));
}

ListBox *ControlSet::list(int id) const
{
    return static_cast<ListBox *>(checked(id, {Kind::ListBox}));
}

QScrollBar *ControlSet::bar(int id) const
{
    return static_cast<QScrollBar *>(checked(id, {Kind::HorizontalBar, Kind::VerticalBar}));
}

OptionButton *ControlSet::option(int id) const
{
    return static_cast<OptionButton *>(checked(id, {Kind::OptionButton}));
}

Surface *ControlSet::surface(int id) const
{
    return static_cast<Surface *>(checked(id, {Kind::DrawingSurface}));
}

void ControlSet::setShown(std::initializer_list<int> ids, bool shown)
{
    setShown(std::span<const int>(ids.begin(), ids.size()), shown);
}

void ControlSet::setShown(std::span<const int> ids, bool shown)
{
    for (int id : ids)
        widget(id)->setVisible(shown);
}

KitWindow::KitWindow(const WindowDesign &design)
    : Form(design.name, design.caption, design.width, design.height),
      m_controls(this, std::max(design.idCount, int(design.controls.size())), design.tabOrder)
{
    applyLook(this, design.look);
    m_controls.make(design.controls);
}

void KitWindow::focusFirstTabStop()
{
    m_controls.focusFirstTabStop();
}

} // namespace platform
