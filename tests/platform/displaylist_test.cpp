#include "platform/displaylist.h"

#include <gtest/gtest.h>

using platform::DisplayList;
using platform::DrawKind;
using platform::DrawOp;

TEST(DisplayList, ClearStartsAFreshListAtTheTopLeft)
{
    DisplayList list;
    list.line(10, 20, 30, 40, platform::kBgrRed);
    list.clear();
    ASSERT_EQ(list.ops().size(), 1u);
    EXPECT_EQ(list.ops()[0].kind, DrawKind::Clear);
    EXPECT_EQ(list.ops()[0].colour, platform::kBgrPurple);
    list.print(QStringLiteral("ÅR"));
    EXPECT_EQ(list.ops()[1], platform::printOp(0, 0, QStringLiteral("ÅR"), true));
}

// A print stands at the position, so each print shows where the operations before it left it.
TEST(DisplayList, OperationsAppendInOrderAndMoveThePosition)
{
    DisplayList list;
    list.clear();
    list.line(500, 6000, 9000, 6000.5, platform::kBgrRed);
    list.print(QStringLiteral("A"));
    list.point(750, 6000);
    list.circle(710, 3280, 150, platform::kBgrYellow);
    list.print(platform::printedNumber(17));
    list.print(QStringLiteral("B"));

    const std::vector<DrawOp> expected = {
        platform::clearOp(platform::kBgrPurple),
        platform::lineOp(500, 6000, 9000, 6000.5, platform::kBgrRed),
        platform::printOp(9000, 6000.5, QStringLiteral("A"), true), // at the line's end
        platform::pointOp(750, 6000, std::nullopt),
        platform::circleOp(710, 3280, 150, platform::kBgrYellow),
        platform::printOp(750, 6000, QStringLiteral(" 17 "), true), // a circle leaves the position
        // A line end goes back to the left edge, one text line lower.
        platform::printOp(0, 6000 + platform::kTextLineTwips, QStringLiteral("B"), true),
    };
    EXPECT_EQ(list.ops(), expected);
}

TEST(DisplayList, NumbersPrintWithABlankBeforeUnlessNegativeAndOneAfter)
{
    const struct
    {
        double value;
        const char *text;
    } cases[] = {{17, " 17 "}, {-1, "-1 "}, {0, " 0 "}, {87.3, " 87.3 "}, {-0.5, "-0.5 "}};
    for (const auto &c : cases)
        EXPECT_EQ(platform::printedNumber(c.value), QString::fromLatin1(c.text)) << c.value;
}

TEST(DisplayList, TextAtPutsAPointFirstAndConsecutiveLinesStackDownward)
{
    DisplayList list;
    list.clear();
    list.textAt(1000, 5000, QStringLiteral("A"), std::nullopt);
    list.print(QStringLiteral("B"));
    list.numberAt(110, 4000, 72);
    const auto &ops = list.ops();
    ASSERT_EQ(ops.size(), 6u);
    EXPECT_EQ(ops[1], platform::pointOp(1000, 5000, std::nullopt));
    EXPECT_EQ(ops[2].y, 5000);
    EXPECT_EQ(ops[3].x, 0);
    EXPECT_EQ(ops[3].y, 5000 + platform::kTextLineTwips);
    EXPECT_EQ(ops[4], platform::pointOp(110, 4000, platform::kBgrPurple));
    EXPECT_EQ(ops[5].text, QStringLiteral(" 72 "));
}

TEST(DisplayList, APrintWithoutLineEndIsContinuedByTheNext)
{
    DisplayList list;
    list.clear();
    list.point(200, 300);
    list.print(QStringLiteral("HCP"), false);
    list.print(platform::printedNumber(12), false);
    list.print(QStringLiteral("!"));
    list.print(QStringLiteral("next"));
    const auto &ops = list.ops();
    ASSERT_EQ(ops.size(), 4u);
    EXPECT_EQ(ops[2], platform::printOp(200, 300, QStringLiteral("HCP 12 !"), true));
    EXPECT_EQ(ops[3].y, 300 + platform::kTextLineTwips);
    EXPECT_EQ(ops[3].x, 0);
}

TEST(DisplayList, DottedLinesIncludeBothEnds)
{
    DisplayList list;
    list.clear();
    list.dottedLine(500, 9100, 200, 4000, platform::kBgrRed);
    EXPECT_EQ(list.ops().size(), 1u + 44u);
    EXPECT_EQ(list.ops()[1].x, 500);
    EXPECT_EQ(list.ops().back().x, 9100);
    EXPECT_EQ(list.ops().back().colour, platform::kBgrRed);
}
