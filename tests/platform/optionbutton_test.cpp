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
