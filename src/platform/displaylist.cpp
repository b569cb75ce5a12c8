#include "platform/displaylist.h"

#include "store/numbers.h"

namespace platform {

DrawOp clearOp(quint32 backColour)
{
    DrawOp op;
    op.colour = backColour;
    return op;
}

DrawOp lineOp(double x1, double y1, double x2, double y2, std::optional<quint32> colour)
{
    DrawOp op;
    op.kind = DrawKind::Line;
    op.x = x1;
    op.y = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.colour = colour;
    return op;
}

DrawOp pointOp(double x, double y, std::optional<quint32> colour)
{
    DrawOp op;
    op.kind = DrawKind::Point;
    op.x = x;
    op.y = y;
    op.colour = colour;
    return op;
}

DrawOp circleOp(double x, double y, double radius, quint32 colour)
{
    DrawOp op;
    op.kind = DrawKind::Circle;
    op.x = x;
    op.y = y;
    op.radius = radius;
    op.colour = colour;
    return op;
}

DrawOp printOp(double x, double y, const QString &text, bool lineEnd)
{
    DrawOp op;
    op.kind = DrawKind::Print;
    op.x = x;
    op.y = y;
    op.text = text;
    op.lineEnd = lineEnd;
    return op;
}

DisplayList::DisplayList(quint32 backColour) : m_backColour(backColour) {}

void DisplayList::clear()
{
    m_ops.clear();
    m_ops.push_back(clearOp(m_backColour));
    m_x = 0;
    m_y = 0;
    m_textGoesOn = false;
}

void DisplayList::line(double x1, double y1, double x2, double y2, std::optional<quint32> colour)
{
    m_ops.push_back(lineOp(x1, y1, x2, y2, colour));
    m_x = x2;
    m_y = y2;
    m_textGoesOn = false;
}

void DisplayList::point(double x, double y, std::optional<quint32> colour)
{
    m_ops.push_back(pointOp(x, y, colour));
    m_x = x;
    m_y = y;
    m_textGoesOn = false;
}

void DisplayList::circle(double x, double y, double radius, quint32 colour)
{
    m_ops.push_back(circleOp(x, y, radius, colour));
}

void DisplayList::print(const QString &text, bool lineEnd)
{
    // Only the painter knows how wide a text is, so a print that goes on after the
    // last one joins its text instead of computing where that text ends.
    if (m_textGoesOn) {
        m_ops.back().text += text;
        m_ops.back().lineEnd = lineEnd;
    } else {
        m_ops.push_back(printOp(m_x, m_y, text, lineEnd));
    }
    m_textGoesOn = !lineEnd;
    if (lineEnd) {
        m_x = 0;
        m_y = m_ops.back().y + kTextLineTwips;
    }
}

void DisplayList::textAt(double x, double y, const QString &text)
{
    textAt(x, y, text, m_backColour);
}

void DisplayList::textAt(double x, double y, const QString &text, std::optional<quint32> pointColour)
{
    point(x, y, pointColour);
    print(text);
}

void DisplayList::numberAt(double x, double y, double value)
{
    textAt(x, y, printedNumber(value));
}

void DisplayList::dottedLine(double from, double to, double step, double y, quint32 colour)
{
    for (double x = from; x <= to; x += step)
        point(x, y, colour);
}

QString printedNumber(double value)
{
    return store::numberTextWithBlank(value) + QLatin1Char(' ');
}

} // namespace platform
