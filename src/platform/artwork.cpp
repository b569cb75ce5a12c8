#include "platform/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace platform {

namespace {

// The scene is drawn on a 640 x 442 canvas and scaled to the size asked for.
constexpr QSizeF kCanvas(640, 442);
// The main window shows only the top-left part of its picture.
constexpr QSize kMainWindowVisible(531, 299);

void drawSky(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, 260);
    sky.setColorAt(0.0, QColor(40, 60, 140));
    sky.setColorAt(0.6, QColor(220, 140, 90));
    sky.setColorAt(1.0, QColor(250, 210, 140));
    p.fillRect(QRectF(0, 0, kCanvas.width(), 260), sky);

    QRadialGradient sun(QPointF(470, 225), 60);
    sun.setColorAt(0.0, QColor(255, 245, 200));
    sun.setColorAt(1.0, QColor(255, 245, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(470, 225), 60, 60);
}

void drawLand(QPainter &p)
{
    QPainterPath hills;
    hills.moveTo(0, 250);
    hills.cubicTo(120, 200, 220, 240, 330, 225);
    hills.cubicTo(430, 212, 540, 250, 640, 230);
    hills.lineTo(640, 442);
    hills.lineTo(0, 442);
    p.setBrush(QColor(40, 100, 50));
    p.drawPath(hills);

    QPainterPath fairway;
    fairway.moveTo(0, 442);
    fairway.cubicTo(150, 360, 260, 320, 420, 300);
    fairway.cubicTo(520, 290, 600, 300, 640, 310);
    fairway.lineTo(640, 442);
    p.setBrush(QColor(80, 160, 70));
    p.drawPath(fairway);

    p.setBrush(QColor(120, 200, 100));
    p.drawEllipse(QPointF(420, 330), 120, 38);

    p.setBrush(QColor(230, 210, 150)); // bunker
    p.drawEllipse(QPointF(250, 370), 55, 16);
}

void drawFlag(QPainter &p)
{
    p.setBrush(QColor(20, 30, 20));
    p.drawEllipse(QPointF(440, 335), 7, 3);
    p.setPen(QPen(QColor(245, 245, 245), 3));
    p.drawLine(QPointF(440, 334), QPointF(440, 220));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 30, 40));
    p.drawPolygon(QPolygonF({QPointF(441, 220), QPointF(490, 234), QPointF(441, 248)}));

    p.setBrush(Qt::white); // a ball on its way
    p.drawEllipse(QPointF(372, 342), 4, 4);
}

void drawScene(QPainter &p, QSizeF size)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / kCanvas.width(), size.height() / kCanvas.height());
    drawSky(p);
    drawLand(p);
    drawFlag(p);
    p.restore();
}

} // namespace

QPixmap artwork(QSize size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    drawScene(p, size);
    return pixmap;
}

QPixmap mainWindowPicture()
{
    QPixmap pixmap(640, 442);
    pixmap.fill(QColor(80, 160, 70));
    QPainter p(&pixmap);
    drawScene(p, kMainWindowVisible);
    return pixmap;
}

} // namespace platform
