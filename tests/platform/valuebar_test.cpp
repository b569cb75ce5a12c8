#include "platform/controls.h"
#include "platform/windowkit.h"

#include "kit/pixels.h"

#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct BarFixture : testing::Test
{
    QWidget window;
    QScrollBar *bar =
        platform::makeValueBar(&window, u"HScroll1", Qt::Horizontal, {0, 0, 1935, 255}, 1, 18, 1);
    std::vector<int> seen;

    void record()
    {
        QObject::connect(bar, &QScrollBar::valueChanged, bar, [this](int value) { seen.push_back(value); });
    }
};

// A bar as the windows make them, on a window of the given colour.
QScrollBar *barOnColour(QWidget &window, const QColor &colour)
{
    platform::applyLook(&window,
                        {.back = platform::fixed(colour), .text = platform::fixed(platform::kWhite)});
    window.resize(200, 40);
    return platform::makeValueBar(&window, u"HScroll1", Qt::Horizontal, {0, 0, 1935, 255}, 1, 18, 9);
}

} // namespace

TEST_F(BarFixture, IsNamedAndStartsAtItsDesignedValue)
{
    EXPECT_EQ(bar->objectName(), u"HScroll1"_s);
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), 18);
    EXPECT_EQ(bar->value(), 1);
    EXPECT_EQ(bar->singleStep(), 1);
    EXPECT_EQ(bar->pageStep(), 1);
    EXPECT_EQ(bar->focusPolicy(), Qt::StrongFocus);
}

TEST_F(BarFixture, HandlerRunsOnlyWhenTheValueDiffers)
{
    record();
    bar->setValue(1);
    EXPECT_TRUE(seen.empty());
    bar->setValue(5);
    bar->setValue(5);
    EXPECT_EQ(seen, std::vector<int>{5});
}

TEST_F(BarFixture, HandlerThatSetsItsOwnBarRunsNestedInsideTheSetting)
{
    std::vector<int> order;
    QObject::connect(bar, &QScrollBar::valueChanged, bar, [&](int value) {
        order.push_back(value);
        if (value == 9)
            bar->setValue(3); // runs the handler again before this one returns
        order.push_back(-value);
    });
    bar->setValue(9);
    EXPECT_EQ(order, (std::vector<int>{9, 3, -3, -9}));
    EXPECT_EQ(bar->value(), 3);
}

TEST_F(BarFixture, LowerMaximumMovesTheValueAndRunsTheHandler)
{
    bar->setValue(12);
    record();
    platform::setBarMaximum(bar, 9);
    EXPECT_EQ(bar->value(), 9);
    EXPECT_EQ(seen, std::vector<int>{9});
    platform::setBarMaximum(bar, 18);
    EXPECT_EQ(bar->value(), 9);
    EXPECT_EQ(seen, std::vector<int>{9});
}

TEST_F(BarFixture, MaximumNeverGoesBelowTheMinimum)
{
    bar->setValue(4);
    record();
    platform::setBarMaximum(bar, -1);
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), 1);
    EXPECT_EQ(bar->value(), 1);
    EXPECT_EQ(seen, std::vector<int>{1});
}

TEST_F(BarFixture, DragRunsTheHandlerOnceWhenItEnds)
{
    record();
    bar->setSliderDown(true);
    bar->setSliderPosition(4);
    bar->setSliderPosition(7);
    EXPECT_TRUE(seen.empty());
    bar->setSliderDown(false);
    EXPECT_EQ(seen, std::vector<int>{7});
}

// Page Up/Down and a click in the trough move a bar by a tenth of its range, rounded down and
// at least 1, each move running the handler once; the step follows a range set later.
TEST(ValueBar, PageKeysAndTroughClicksMoveByATenthOfTheRange)
{
    struct Case
    {
        int min;
        int max;
        int step;
        int laterMax; // the maximum set once the bar is made, and the step that follows
        int laterStep;
    } const cases[] = {{1, 999, 99, 99, 9}, {0, 60, 6, 60, 6}, {1995, 2040, 4, 2040, 4},
                       {1, 18, 1, 9, 1},    {0, 2, 1, 2, 1},   {0, 17, 1, 40, 4}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << ".." << c.max);
        QWidget window;
        window.resize(300, 40);
        QScrollBar *bar = platform::makeValueBar(&window, u"HScroll2", Qt::Horizontal, {0, 0, 3735, 255},
                                                 c.min, c.max, c.min);
        window.show();
        int runs = 0;
        QObject::connect(bar, &QScrollBar::valueChanged, bar, [&] { ++runs; });
        QTest::keyClick(bar, Qt::Key_PageDown);
        EXPECT_EQ(bar->value(), c.min + c.step);
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = Qt::Horizontal;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = option.sliderValue = bar->value();
        option.pageStep = bar->pageStep();
        option.singleStep = 1;
        const QRect trough =
            bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddPage, bar);
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, trough.center());
        EXPECT_EQ(bar->value(), std::min(c.max, c.min + 2 * c.step));
        QTest::keyClick(bar, Qt::Key_PageUp);
        EXPECT_EQ(bar->value(), std::min(c.max, c.min + 2 * c.step) - c.step);
        EXPECT_EQ(runs, 3);

        platform::setBarMaximum(bar, c.laterMax);
        QTest::keyClick(bar, Qt::Key_Home);
        QTest::keyClick(bar, Qt::Key_PageDown);
        EXPECT_EQ(bar->value(), c.min + c.laterStep);
    }
}

// Arrows and thumb are drawn dark on light grey, whatever the window's colours: a bar that
// took white text from a purple window would draw its arrows white on white.
TEST(ValueBar, ArrowsAndThumbShowOnEveryWindowColour)
{
    for (const QColor &colour : kWindowColours) {
        SCOPED_TRACE(colour.name().toStdString());
        QWidget window;
        QScrollBar *bar = barOnColour(window, colour);
        const int dark = pixelsOf(bar, [](const QColor &pixel) { return pixel.lightness() < 100; });
        EXPECT_GT(dark, 40); // the two arrows and the outlines of the thumb and the arrow buttons
    }
}

// A focused bar is framed and its thumb filled in blue; an unfocused one shows no such blue,
// whatever the window's colour.
TEST(ValueBar, FocusShowsPlainlyOnEveryWindowColour)
{
    for (const QColor &colour : kWindowColours) {
        SCOPED_TRACE(colour.name().toStdString());
        QWidget window;
        QScrollBar *bar = barOnColour(window, colour);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        bar->clearFocus(); // the window gave its only tab stop the focus
        EXPECT_EQ(pixelsOf(bar, isFocusBlue), 0);
        bar->setFocus();
        ASSERT_TRUE(bar->hasFocus());
        // The whole edge twice over and more: a frame round the bar and its filled thumb.
        EXPECT_GT(pixelsOf(bar, isFocusBlue), 4 * (bar->width() + bar->height()));
    }
}
