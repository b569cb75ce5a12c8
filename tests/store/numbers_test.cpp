#include "store/numbers.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

TEST(NumericValue, TakesTheNumberATextBeginsWith)
{
    const struct
    {
        QString text;
        double value;
    } cases[] = {
        {u"12.3"_s, 12.3},
        {u"  -4.5x"_s, -4.5},
        {u"\t9"_s, 9},
        {u"54"_s, 54},
        {u"0.1"_s, 0.1},
        {u"7 8"_s, 7},
        {u"1.2.3"_s, 1.2},
        {u"3."_s, 3},
        {u".5"_s, 0.5},
        {u""_s, 0},
        {u"-"_s, 0},
        {u"abc"_s, 0},
        {u"--1"_s, 0},
        {u"- 1"_s, 0},
        {u"+1"_s, 0},
        {u"1e5"_s, 1},
        {u"1,5"_s, 1},
        {u"\u00A05"_s, 0},
        {u"-0"_s, 0},
        {u"007"_s, 7},
        {u"999999999"_s, 999999999},
        {u"1234567890"_s, 1234567890},
        {u"123456789012345678"_s, 123456789012345678.0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(store::numericValue(c.text), c.value);
    }
    EXPECT_FALSE(std::signbit(store::numericValue(u"-0.0"_s)));
    EXPECT_EQ(store::numericValue(QString(400, u'9')), std::numeric_limits<double>::infinity());
}

TEST(NumberText, WritesTheShortestFormOfFifteenDigitsWithoutExponent)
{
    const struct
    {
        double value;
        const char *text;
    } cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {0.57, "0.57"},
        {-0.57, "-0.57"},
        {12.3, "12.3"},
        {100, "100"},
        {-3, "-3"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {2.5e-7, "0.00000025"},
        {999999999999999, "999999999999999"},
        {1e15, "1000000000000000"},
        {123456789012345678.0, "123456789012346000"},
        {99.99999999999999, "100"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(store::numberText(c.value), QString::fromLatin1(c.text));
    }
}

TEST(NumberText, LeadingBlankOnlyBeforeANumberThatIsNotNegative)
{
    EXPECT_EQ(store::numberTextWithBlank(3), u" 3"_s);
    EXPECT_EQ(store::numberTextWithBlank(0), u" 0"_s);
    EXPECT_EQ(store::numberTextWithBlank(-0.5), u"-0.5"_s);
}

TEST(Rounding, HalfUpIsFloorOfShiftedValuePlusHalf)
{
    EXPECT_EQ(store::roundOneDecimal(2.25), 2.3);
    EXPECT_EQ(store::roundOneDecimal(2.24), 2.2);
    EXPECT_EQ(store::roundOneDecimal(-2.25), -2.2);
    EXPECT_EQ(store::roundTwoDecimals(0.125), 0.13);
    EXPECT_EQ(store::roundTwoDecimals(-0.125), -0.12);
    EXPECT_EQ(store::wholePart(-0.5), -1);
    EXPECT_EQ(store::wholePart(9.99), 9);
}

// A number from a file far out of range, or not a number at all, still becomes an integer
// without overflow: held within the range asked for, or the range of an int.
TEST(ClampedWhole, HoldsEveryValueWithinTheRangeBeforeConverting)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr int intMin = std::numeric_limits<int>::min();
    constexpr int intMax = std::numeric_limits<int>::max();
    const struct
    {
        double value;
        int bar;   // within -3 .. 54
        int whole; // within the range of an int
    } cases[] = {
        {1e23, 54, intMax},
        {-1e23, -3, intMin},
        {inf, 54, intMax},
        {-inf, -3, intMin},
        {std::numeric_limits<double>::quiet_NaN(), 0, 0},
        {2147483648.0, 54, intMax},
        {-2147483649.0, -3, intMin},
        {12.7, 12, 12},
        {-0.5, -1, -1},
        {60, 54, 60},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(store::clampedWhole(c.value, -3, 54), c.bar);
        EXPECT_EQ(store::clampedWhole(c.value), c.whole);
    }
    // The texts as a file may hold them.
    for (const auto &[text, whole] : {std::pair{u"100000000000000000000000"_s, intMax},
                                      {u"-100000000000000000000000"_s, intMin},
                                      {u"1e23"_s, 1},
                                      {u"nan"_s, 0},
                                      {u"inf"_s, 0},
                                      {QString(400, u'9'), intMax}}) {
        SCOPED_TRACE(text.left(30).toStdString());
        EXPECT_EQ(store::clampedWhole(store::numericValue(text)), whole);
    }
}

} // namespace
