#include "platform/geometry.h"
#include "platform/surface.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage replayed(const platform::DisplayList &list, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::green); // anything the replay leaves unpainted shows up
    QPainter painter(&image);
    painter.setFont(platform::windowFont());
    platform::replay(list, painter, image.rect(), Qt::black);
    return image;
}

} // namespace

// A swapped colour order or an upside-down axis shows in a few pixels.
TEST(Surface, ReplayPaintsBackColourAxesAndDownwardY)
{
    platform::DisplayList list;
    list.clear();
    list.line(150, 1500, 1500, 1500, platform::kBgrRed);  // x-axis at pixel row 100
    list.line(150, 1500, 150, 300, platform::kBgrYellow); // y-axis up from it
    list.point(600, 600, platform::kBgrWhite);
    list.point(900, 900);                        // fore colour
    list.circle(2250, 750, 300, platform::kBgrYellow); // centre (150, 50), radius 20
    const QImage image = replayed(list, {200, 120});

    EXPECT_EQ(image.pixelColor(5, 5), QColor(128, 0, 128)) << "back colour purple";
    EXPECT_EQ(image.pixelColor(50, 100), QColor(255, 0, 0)) << "red axis";
    EXPECT_EQ(image.pixelColor(10, 60), QColor(255, 255, 0)) << "yellow axis up";
    EXPECT_EQ(image.pixelColor(10, 110), QColor(128, 0, 128)) << "nothing below the x-axis";
    EXPECT_EQ(image.pixelColor(40, 40), QColor(255, 255, 255)) << "y 600 is above y 900";
    EXPECT_EQ(image.pixelColor(60, 60), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(170, 50), QColor(255, 255, 0)) << "circle outline";
    EXPECT_EQ(image.pixelColor(150, 50), QColor(128, 0, 128)) << "circle not filled";
}

TEST(Surface, TextHangsBelowItsTopLeftCorner)
{
    platform::DisplayList list;
    list.clear();
    list.textAt(300, 300, QStringLiteral("MMMM"));
    const QImage image = replayed(list, {100, 60});
    bool inkBelow = false;
    bool inkAbove = false;
    for (int x = 0; x < 100; ++x) {
        for (int y = 0; y < 60; ++y) {
            if (image.pixelColor(x, y) == QColor(0, 0, 0))
                (y >= 20 && x >= 20 ? inkBelow : inkAbove) = true;
        }
    }
    EXPECT_TRUE(inkBelow);
    EXPECT_FALSE(inkAbove);
}

TEST(Surface, PaintingShowsTheListAndLeavesItUnchanged)
{
    platform::Surface surface;
    surface.resize(200, 120);
    platform::DisplayList &list = surface.edit();
    list.clear();
    list.line(0, 300, 3000, 300, platform::kBgrRed);
    const auto before = surface.displayList().ops();
    const QImage image = surface.grab().toImage();
    EXPECT_EQ(image.pixelColor(100, 20), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(100, 60), QColor(128, 0, 128));
    surface.repaint();
    EXPECT_EQ(surface.displayList().ops(), before);
}
