#pragma once

#include <QColor>

class QPainter;
class QRect;

// The one mark of the keyboard's focus: a focused bar, button, option button or text box is
// framed in this blue, which stands out from the light faces of the controls and from every
// window colour.
namespace platform {

inline constexpr QColor kFocusMark(0, 84, 227);

// A frame two pixels wide just inside the rectangle.
void drawFocusFrame(QPainter &painter, const QRect &rect);

} // namespace platform
