#pragma once

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;

// Driving windows as a user does, by objectName. A control that is missing (or hidden or
// disabled, for the helpers that act on it) adds a failure naming it, and the helper then
// does nothing.

// The open top-level window with this objectName, or nullptr.
QWidget *openWindow(const QString &name);
// Triggers the main window's menu action with this objectName (as "M_DataBana").
void triggerMenu(QWidget *mainWindow, const QString &actionName);

template <class T> T *control(QWidget *window, const QString &name)
{
    T *found = window ? window->findChild<T *>(name) : nullptr;
    if (!found)
        ADD_FAILURE() << "no control " << name.toStdString() << " in "
                      << (window ? window->objectName().toStdString() : std::string("(no window)"));
    return found;
}

QString labelText(QWidget *window, const QString &name);
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
// Clicks the list entry at row (a click on the chosen entry repeats its handler).
void clickListRow(QWidget *window, const QString &listName, int row);
QStringList listItems(QWidget *window, const QString &listName);
// Lets closings and deferred deletions happen.
void settle();
