#include "platform/surface.h"

#include "platform/geometry.h"
#include "store/numbers.h"

#include <QPaintEvent>
#include <QPainter>

namespace platform {

namespace {

// A graph drawn from a file's numbers may reach far off the surface, or to infinity: its
// pixels are held where the painter still works with them.
constexpr int kFarPixels = 1 << 20;

int px(double twips)
{
    return store::clampedWhole(twipsToPixels(twips), -kFarPixels, kFarPixels);
}

QPoint at(double x, double y)
{
    return {px(x), px(y)};
}

QColor colourOf(const DrawOp &op, const QColor &foreColour)
{
    return op.colour ? bgr(*op.colour) : foreColour;
}

} // namespace

Surface::Surface(QWidget *parent, quint32 backColour) : QWidget(parent), m_list(backColour)
{
    setFont(windowFont());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

DisplayList &Surface::edit()
{
    update();
    return m_list;
}

void Surface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.fillRect(event->rect(), bgr(m_list.backColour()));
    replay(m_list, painter, event->rect(), palette().color(QPalette::WindowText));
}

void replay(const DisplayList &list, QPainter &painter, const QRect &visible, const QColor &foreColour)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect reach = visible.adjusted(-1, -1, 1, 1);
    for (const DrawOp &op : list.ops()) {
        switch (op.kind) {
        case DrawKind::Clear:
            painter.fillRect(visible, bgr(list.backColour()));
            break;
        case DrawKind::Line: {
            const QPoint from = at(op.x, op.y);
            const QPoint to = at(op.x2, op.y2);
            if (!QRect(from, to).normalized().intersects(reach))
                break;
            painter.setPen(colourOf(op, foreColour));
            painter.drawLine(from, to);
            break;
        }
        case DrawKind::Point: {
            const QPoint p = at(op.x, op.y);
            if (!reach.contains(p))
                break;
            painter.setPen(colourOf(op, foreColour));
            painter.drawPoint(p);
            break;
        }
        case DrawKind::Circle: {
            const QPoint centre = at(op.x, op.y);
            const int r = px(op.radius);
            if (!QRect(centre.x() - r, centre.y() - r, 2 * r + 1, 2 * r + 1).intersects(reach))
                break;
            painter.setPen(colourOf(op, foreColour));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(centre, r, r);
            break;
        }
        case DrawKind::Print: {
            const QPoint topLeft = at(op.x, op.y);
            if (topLeft.x() > reach.right() || topLeft.y() > reach.bottom() ||
                topLeft.y() + metrics.height() < reach.top())
                break;
            painter.setPen(foreColour);
            painter.drawText(topLeft + QPoint(0, metrics.ascent()), op.text);
            break;
        }
        }
    }
}

} // namespace platform
