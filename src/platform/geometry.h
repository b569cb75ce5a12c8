#pragma once

#include "platform/colours.h"

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

constexpr QColor bgr(quint32 colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}
quint32 bgrNumber(QColor colour); // the colour as the windows' one number
void setBackground(QWidget *widget, QColor background);
void setForeground(QWidget *widget, QColor foreground);

// The windows' font: sans-serif, bold, 8.25 point (11 px at 96 dpi).
QFont windowFont();

// The named colours of platform/colours.h as QColors (black is the window kit's kBlack).
inline constexpr QColor kRed = bgr(kBgrRed);
inline constexpr QColor kYellow = bgr(kBgrYellow);
inline constexpr QColor kPurple = bgr(kBgrPurple);
inline constexpr QColor kCyan = bgr(kBgrCyan);
inline constexpr QColor kWhite = bgr(kBgrWhite);

} // namespace platform
