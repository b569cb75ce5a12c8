#pragma once

#include "kit/fatal.h"

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;

// Driving windows as a user does, by objectName. A control that is missing (or hidden or
// disabled, for the helpers that act on it) is a fatal failure naming it: the helper does
// nothing more, and ASSERT_NO_FATAL_FAILURE around it, or around a test helper that calls
// it, stops the test. Once a test has failed fatally the helpers stay quiet, so one fault
// shows as one failure.

// The open top-level window with this objectName, or nullptr.
QWidget *openWindow(const QString &name);
// Triggers the main window's menu action with this objectName (as "M_DataBana").
void triggerMenu(QWidget *mainWindow, const QString &actionName);
// Opens the window through its menu item and returns it; fails fatally (and returns
// nullptr) when the item is missing or disabled or the window does not open. Call it as
//   ASSERT_NO_FATAL_FAILURE(window = openByMenu(u"M_DataBana"_s, u"REGBANA"_s));
QWidget *openByMenu(QWidget *mainWindow, const QString &actionName, const QString &windowName);
// The same through the test's own main window, made (not shown) on first use.
QWidget *openByMenu(const QString &actionName, const QString &windowName);
// Deletes the test's main window, and with it the windows it keeps; the kit's main
// calls this after every test.
void deleteTestMainWindow();

// The control of this type and objectName; nullptr and a fatal failure when missing.
template <class T> T *control(QWidget *window, const QString &name)
{
    if (testing::Test::HasFatalFailure())
        return nullptr;
    T *found = window ? window->findChild<T *>(name) : nullptr;
    if (!found)
        failFatally("no control " + name.toStdString() + " in " +
                    (window ? window->objectName().toStdString() : std::string("(no window)")));
    return found;
}

QString labelText(QWidget *window, const QString &name);
// The text of a label or a text box.
QString textOf(QWidget *window, const QString &name);
int barValue(QWidget *window, const QString &name); // -1 when missing
// The texts of the labels prefix+first .. prefix+(first+count-1), as a grid column.
QStringList labelTexts(QWidget *window, const QString &prefix, int first, int count);
// How many windows with this objectName are open.
int openWindowCount(const QString &name);
bool isShown(QWidget *window, const QString &name); // the control's own visibility flag
void setBar(QWidget *window, const QString &name, int value);
void click(QWidget *window, const QString &buttonName);
// Types each character through the key handler, as key presses.
void typeText(QWidget *window, const QString &boxName, const QString &text);
void typeKey(QWidget *window, const QString &boxName, Qt::Key key);
// The keyboard alone: a key pressed in the window goes to its focused control (to the
// window when none has the focus); focusedControl is that control's objectName, empty
// when none.
void pressKey(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
QString focusedControl(QWidget *window);
// The objectNames met by pressing Tab from the focused control until the focus comes
// back to it (at most 100 presses), that control first.
QStringList tabCycle(QWidget *window);
// Clicks the list entry at row (a click on the chosen entry repeats its handler).
void clickListRow(QWidget *window, const QString &listName, int row);
QStringList listItems(QWidget *window, const QString &listName);
// Lets closings and deferred deletions happen.
void settle();
