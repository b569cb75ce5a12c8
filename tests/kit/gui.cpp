#include "kit/gui.h"

#include "mainwindow/HUVUDMENY.h"
#include "platform/form.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include <memory>

namespace {

// A user reaches only controls that are on the screen and enabled.
bool usable(QWidget *widget, const QString &name)
{
    if (!widget)
        return false;
    if (!widget->isVisible() || !widget->isEnabled()) {
        failFatally("control " + name.toStdString() + " is " + (widget->isVisible() ? "disabled" : "hidden"));
        return false;
    }
    return true;
}

Qt::Key keyOf(QChar c)
{
    const char16_t upper = c.toUpper().unicode();
    return upper < 0x100 ? Qt::Key(upper) : Qt::Key_unknown;
}

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
    auto *action = control<QAction>(mainWindow, actionName);
    if (!action)
        return;
    if (!action->isEnabled())
        return failFatally("menu action " + actionName.toStdString() + " is disabled");
    action->trigger();
}

QWidget *openByMenu(QWidget *mainWindow, const QString &actionName, const QString &windowName)
{
    triggerMenu(mainWindow, actionName);
    if (testing::Test::HasFatalFailure())
        return nullptr;
    QWidget *window = openWindow(windowName);
    if (!window)
        failFatally("menu action " + actionName.toStdString() + " opened no window " +
                    windowName.toStdString());
    return window;
}

namespace {

std::unique_ptr<HUVUDMENY> g_mainWindow;

} // namespace

QWidget *openByMenu(const QString &actionName, const QString &windowName)
{
    if (!g_mainWindow)
        g_mainWindow = std::make_unique<HUVUDMENY>();
    return openByMenu(g_mainWindow.get(), actionName, windowName);
}

void deleteTestMainWindow()
{
    g_mainWindow.reset();
}

QString labelText(QWidget *window, const QString &name)
{
    auto *label = control<QLabel>(window, name);
    return label ? label->text() : QString();
}

QString textOf(QWidget *window, const QString &name)
{
    QWidget *widget = control<QWidget>(window, name);
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        return box->text();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    return QString();
}

int barValue(QWidget *window, const QString &name)
{
    auto *bar = control<QScrollBar>(window, name);
    return bar ? bar->value() : -1;
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
        FAIL() << "value " << value << " outside bar " << name.toStdString() << " (" << bar->minimum() << ".."
               << bar->maximum() << ")";
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

void pressKey(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (testing::Test::HasFatalFailure())
        return;
    if (!window)
        return failFatally("no window for a key press");
    QWidget *focused = window->focusWidget();
    QTest::keyClick(focused ? focused : window, key, modifiers);
}

QString focusedControl(QWidget *window)
{
    QWidget *focused = window ? window->focusWidget() : nullptr;
    return focused ? focused->objectName() : QString();
}

QStringList tabCycle(QWidget *window)
{
    QStringList met{focusedControl(window)};
    for (int press = 0; press < 100; ++press) {
        pressKey(window, Qt::Key_Tab);
        if (focusedControl(window) == met.first())
            break;
        met << focusedControl(window);
    }
    return met;
}

void clickListRow(QWidget *window, const QString &listName, int row)
{
    auto *list = control<QListWidget>(window, listName);
    if (!usable(list, listName))
        return;
    QListWidgetItem *item = list->item(row);
    if (!item)
        FAIL() << "no row " << row << " in list " << listName.toStdString();
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
