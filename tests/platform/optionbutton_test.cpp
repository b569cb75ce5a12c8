#include "platform/controls.h"
#include "platform/optionbutton.h"

#include <QTest>

#include <gtest/gtest.h>

TEST(OptionButton, StaysChosenWhenClickedAgainAndOnlyCodeClearsIt)
{
    QWidget window;
    auto *option = platform::makeOptionButton(&window, u"Option1", {0, 0, 255, 255}, u"Option1");
    window.show();
    int clicks = 0;
    QObject::connect(option, &QAbstractButton::clicked, option, [&] { ++clicks; });
    option->click();
    option->click();
    EXPECT_TRUE(option->isChecked());
    EXPECT_EQ(clicks, 2);
    option->setChecked(false);
    EXPECT_FALSE(option->isChecked());
}

TEST(OptionButton, ButtonsOfOneWindowExcludeEachOther)
{
    QWidget window;
    auto *course = platform::makeOptionButton(&window, u"Option1", {0, 0, 255, 255}, u"Option1");
    auto *round = platform::makeOptionButton(&window, u"Option2", {0, 600, 255, 255}, u"Option2");
    window.show();
    course->click();
    round->click();
    EXPECT_FALSE(course->isChecked());
    EXPECT_TRUE(round->isChecked());
    course->setChecked(true);
    EXPECT_FALSE(round->isChecked());
}

// The group is one tab stop, its chosen button or else its first; arrows move round the
// group and choose as a click does.
TEST(OptionButton, GroupIsOneTabStopAndArrowsChooseRoundIt)
{
    QWidget window;
    platform::OptionButton *options[] = {
        platform::makeOptionButton(&window, u"Option1", {0, 0, 255, 255}, u"Option1"),
        platform::makeOptionButton(&window, u"Option2", {0, 300, 255, 255}, u"Option2"),
        platform::makeOptionButton(&window, u"Option3", {0, 600, 255, 255}, u"Option3"),
    };
    window.show();
    const auto tabStops = [&] {
        QList<bool> stops;
        for (auto *option : options)
            stops << bool(option->focusPolicy() & Qt::TabFocus);
        return stops;
    };
    EXPECT_EQ(tabStops(), (QList<bool>{true, false, false}));
    int clicks = 0;
    QObject::connect(options[0], &QAbstractButton::clicked, options[0], [&] { ++clicks; });
    options[2]->click();
    EXPECT_EQ(tabStops(), (QList<bool>{false, false, true}));
    QTest::keyClick(options[2], Qt::Key_Down);
    EXPECT_TRUE(options[0]->isChecked());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(window.focusWidget(), options[0]);
    QTest::keyClick(options[0], Qt::Key_Left);
    EXPECT_TRUE(options[2]->isChecked());
    EXPECT_EQ(tabStops(), (QList<bool>{false, false, true}));
    options[2]->setChecked(false);
    EXPECT_EQ(tabStops(), (QList<bool>{true, false, false}));
}
