#pragma once

#include "platform/colours.h"

#include <QString>

#include <optional>
#include <vector>

// What the graph windows draw on their surface, as a plain list of operations in the
// order they were made since the last clear. Coordinates are twips from the top-left
// corner, y growing downward; colours are the windows' 24-bit numbers (platform/colours.h),
// or none for the fore colour. Qt Core only, in vemtor_core: the analysis's plain
// functions fill it and the widget that shows it (platform/surface.h) only replays it.
namespace platform {

// The height of one printed text line in the windows' font, in twips (13 pixels).
inline constexpr double kTextLineTwips = 195;

enum class DrawKind { Clear, Line, Point, Circle, Print };

struct DrawOp
{
    DrawKind kind = DrawKind::Clear;
    double x = 0; // line start, point, circle centre, top left of a printed text
    double y = 0;
    double x2 = 0; // line end
    double y2 = 0;
    double radius = 0;             // circle
    std::optional<quint32> colour; // none: the fore colour (always so for a print)
    QString text;                  // print
    bool lineEnd = false;          // print: the position moved to the next text line

    bool operator==(const DrawOp &) const = default;
};

DrawOp clearOp(quint32 backColour);
DrawOp lineOp(double x1, double y1, double x2, double y2, std::optional<quint32> colour);
DrawOp pointOp(double x, double y, std::optional<quint32> colour);
DrawOp circleOp(double x, double y, double radius, quint32 colour);
DrawOp printOp(double x, double y, const QString &text, bool lineEnd);

class DisplayList
{
public:
    explicit DisplayList(quint32 backColour = kBgrPurple);

    // Empties the list (it then holds one Clear) and puts the position at the top left.
    void clear();
    // The position goes to (x2, y2).
    void line(double x1, double y1, double x2, double y2, std::optional<quint32> colour = {});
    // The position goes to (x, y).
    void point(double x, double y, std::optional<quint32> colour = {});
    // The outline only; the position stays.
    void circle(double x, double y, double radius, quint32 colour);
    // Prints the text unchanged with its top left at the position. With a line end the
    // position then goes to x 0, one text line lower; without one, the next print
    // continues the same text (it stands just after it).
    void print(const QString &text, bool lineEnd = true);

    // A text with its top left at (x, y): a point there first, in the back colour unless
    // another colour is given (then it shows as a dot), then the text with a line end.
    void textAt(double x, double y, const QString &text);
    void textAt(double x, double y, const QString &text, std::optional<quint32> pointColour);
    void numberAt(double x, double y, double value);
    // A dotted line: single points from x `from` to `to` (both included) every `step`.
    void dottedLine(double from, double to, double step, double y, quint32 colour);

    const std::vector<DrawOp> &ops() const { return m_ops; }
    quint32 backColour() const { return m_backColour; }

private:
    std::vector<DrawOp> m_ops;
    quint32 m_backColour;
    double m_x = 0;
    double m_y = 0;
    bool m_textGoesOn = false; // the last operation was a print without a line end
};

// The text a number prints as: a leading blank when it is not negative, and a trailing
// blank (" 17 ", "-1 ").
QString printedNumber(double value);

} // namespace platform
