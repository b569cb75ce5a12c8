#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include <cmath>

class QWidget;

// Windows are laid out in twips from the top-left corner of the client area, and
// colours given as one number are BGR. This is the one place they become pixels and QColors.
namespace platform {

struct Twips
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Twips / 15, rounded half away from zero: the one way twips become pixels. The drawing
// surface converts its coordinates, doubles that may lie far off or be infinite, with the
// first and holds the result where its painter works; layouts use the second.
inline double twipsToPixels(double twips)
{
    return std::round(twips / 15.0);
}
inline int pixels(int twips)
{
    return static_cast<int>(twipsToPixels(twips));
}
QRect pixelRect(Twips rect);
void place(QWidget *widget, Twips rect);

QColor bgr(quint32 colour);
quint32 bgrNumber(QColor colour); // the colour as the windows' one number
void setColours(QWidget *widget, QColor background, QColor foreground);
void setBackground(QWidget *widget, QColor background);
void setForeground(QWidget *widget, QColor foreground);

// The windows' font: sans-serif, bold, 8.25 point (11 px at 96 dpi).
QFont windowFont();

inline constexpr QColor kPurple = QColor(128, 0, 128); // BGR 8388736
inline constexpr QColor kWhite = QColor(255, 255, 255);
inline constexpr QColor kCyan = QColor(0, 255, 255);   // BGR 16776960
inline constexpr QColor kYellow = QColor(255, 255, 0); // BGR 65535
inline constexpr QColor kRed = QColor(255, 0, 0);

} // namespace platform
