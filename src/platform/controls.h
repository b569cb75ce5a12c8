#pragma once

#include "platform/geometry.h"

#include <QStringView>
#include <Qt>

class QLabel;
class QPushButton;
class QScrollBar;
class QWidget;

// Makers for the controls of a window: each names the control, places it in twips,
// gives it the window font and its text. Windows build their controls through these
// only, most of them from tables of rows.
namespace platform {

class ColumnLabel;
class KeyTextBox;
class ListBox;
class OptionButton;

// Labels show plain text: their text is storage that handlers read back.
QLabel *makeLabel(QWidget *parent, QStringView name, Twips rect, QStringView text = {});
ColumnLabel *makeColumnLabel(QWidget *parent, QStringView name, Twips rect, QStringView text = {});
// A command button is clicked by Enter and by Space while it has the focus, which the focus
// frame shows (platform/focusframe.h); so do text boxes and option buttons.
QPushButton *makeButton(QWidget *parent, QStringView name, Twips rect, QStringView text);
KeyTextBox *makeTextBox(QWidget *parent, QStringView name, Twips rect, QStringView text = {});
ListBox *makeListBox(QWidget *parent, QStringView name, Twips rect);
OptionButton *makeOptionButton(QWidget *parent, QStringView name, Twips rect, QStringView text);

// A value bar: its change handler (valueChanged) runs once when a drag ends, at once
// for clicks, keys and setValue, never for an unchanged value, and when a lower maximum
// moves the value. Its arrows and thumb are drawn dark on light grey on every window colour.
// It is a tab stop and shows the focus by a blue frame and thumb; arrows move it by 1, Page
// Up/Down and a click in its trough by its large step, a tenth of its range (maximum minus
// minimum) rounded down and at least 1, which follows the range when it changes; Home and
// End move it to its minimum and maximum.
QScrollBar *makeValueBar(QWidget *parent, QStringView name, Qt::Orientation orientation, Twips rect,
                         int minimum, int maximum, int value);
// Sets a bar's maximum, never below its minimum.
void setBarMaximum(QScrollBar *bar, int maximum);

} // namespace platform
