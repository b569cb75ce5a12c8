#pragma once

#include <QColor>

class QPainter;
class QRect;
class QWidget;

// The one mark of the keyboard's focus: a focused bar, button, option button, text box or
// list is framed in this blue (a list round its entries), which stands out from the light
// faces of the controls and from every window colour.
namespace platform {

inline constexpr QColor kFocusMark(0, 84, 227);

// A frame two pixels wide just inside the rectangle.
void drawFocusFrame(QPainter &painter, const QRect &rect);
// The frame round the rectangle, in the widget's pixels, while the widget has the focus;
// called by a paint event after the widget's own painting.
void frameIfFocused(QWidget &widget, const QRect &rect);

} // namespace platform
