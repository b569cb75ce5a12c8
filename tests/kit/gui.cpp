#include "kit/gui.h"

#include "platform/form.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

namespace {

// A user reaches only controls that are on the screen and enabled.
bool usable(QWidget *widget, const QString &name)
{
    if (!widget)
        return false;
    if (!widget->isVisible() || !widget->isEnabled()) {
        ADD_FAILURE() << "control " << name.toStdString() << " is "
                      << (widget->isVisible() ? "disabled" : "hidden");
        return false;
    }
    return true;
}

Qt::Key keyOf(QChar c)
{
    const char16_t upper = c.toUpper().unicode();
    return upper < 0x100 ? Qt::Key(upper) : Qt::Key_unknown;
}

} // namespace

namespace {

QWidgetList openWindows(const QString &name)
{
    QWidgetList open;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() != name || !window->isVisible())
            continue;
        auto *form = qobject_cast<platform::Form *>(window);
        if (!form || !form->isUnloaded())
            open << window;
    }
    return open;
}

} // namespace

QWidget *openWindow(const QString &name)
{
    const QWidgetList open = openWindows(name);
    return open.isEmpty() ? nullptr : open.first();
}

int openWindowCount(const QString &name)
{
    return int(openWindows(name).size());
}

void triggerMenu(QWidget *mainWindow, const QString &actionName)
{
    if (auto *action = control<QAction>(mainWindow, actionName)) {
        if (!action->isEnabled())
            ADD_FAILURE() << "menu action " << actionName.toStdString() << " is disabled";
        action->trigger();
    }
}

QString labelText(QWidget *window, const QString &name)
{
    auto *label = control<QLabel>(window, name);
    return label ? label->text() : QString();
}

QStringList labelTexts(QWidget *window, const QString &prefix, int first, int count)
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << labelText(window, prefix + QString::number(first + i));
    return texts;
}

bool isShown(QWidget *window, const QString &name)
{
    auto *widget = control<QWidget>(window, name);
    return widget && !widget->isHidden();
}

void setBar(QWidget *window, const QString &name, int value)
{
    auto *bar = control<QScrollBar>(window, name);
    if (!usable(bar, name))
        return;
    if (value < bar->minimum() || value > bar->maximum()) {
        ADD_FAILURE() << "value " << value << " outside bar " << name.toStdString() << " (" << bar->minimum()
                      << ".." << bar->maximum() << ")";
        return;
    }
    bar->setValue(value);
}

void click(QWidget *window, const QString &buttonName)
{
    auto *button = control<QAbstractButton>(window, buttonName);
    if (usable(button, buttonName))
        button->click();
}

void typeText(QWidget *window, const QString &boxName, const QString &text)
{
    auto *box = control<QWidget>(window, boxName);
    if (!usable(box, boxName))
        return;
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, keyOf(c), QString(c), Qt::NoModifier);
}

void typeKey(QWidget *window, const QString &boxName, Qt::Key key)
{
    auto *box = control<QWidget>(window, boxName);
    if (usable(box, boxName))
        QTest::keyClick(box, key);
}

void clickListRow(QWidget *window, const QString &listName, int row)
{
    auto *list = control<QListWidget>(window, listName);
    if (!usable(list, listName))
        return;
    QListWidgetItem *item = list->item(row);
    if (!item) {
        ADD_FAILURE() << "no row " << row << " in list " << listName.toStdString();
        return;
    }
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(item).center());
}

QStringList listItems(QWidget *window, const QString &listName)
{
    QStringList items;
    if (auto *list = control<QListWidget>(window, listName)) {
        for (int row = 0; row < list->count(); ++row)
            items.append(list->item(row)->text());
    }
    return items;
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
