#include "platform/geometry.h"

#include <gtest/gtest.h>

TEST(Geometry, TwipsBecomeRoundedPixels)
{
    const struct
    {
        int twips;
        int pixels;
    } cases[] = {{0, 0}, {7, 0}, {8, 1}, {15, 1}, {22, 1}, {23, 2}, {255, 17}, {8655, 577}, {4770, 318}};
    for (const auto &c : cases)
        EXPECT_EQ(platform::pixels(c.twips), c.pixels) << c.twips << " twips";
    EXPECT_EQ(platform::pixelRect({120, 2040, 255, 855}), QRect(8, 136, 17, 57));
}

TEST(Geometry, ColourNumbersAreBlueGreenRed)
{
    EXPECT_EQ(platform::bgr(8388736), QColor(128, 0, 128));
    EXPECT_EQ(platform::bgr(65535), QColor(255, 255, 0));
    EXPECT_EQ(platform::bgr(16776960), QColor(0, 255, 255));
    EXPECT_EQ(platform::bgr(0xC0C0FF), QColor(255, 192, 192));
    EXPECT_EQ(platform::bgrNumber(QColor(128, 0, 128)), 8388736u);
    EXPECT_EQ(platform::bgrNumber(QColor(255, 255, 0)), 65535u);
}
