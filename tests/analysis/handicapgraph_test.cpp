#include "analysis/handicapgraph.h"

#include "drawnboxes.h"

#include <gtest/gtest.h>

#include <initializer_list>

using namespace Qt::StringLiterals;

namespace {

// A round table holding the rounds in rows 0.., with sista_index counting them.
store::Tables roundTable(std::initializer_list<RoundRecord> rounds)
{
    store::Tables tables;
    for (const RoundRecord &r : rounds) {
        store::RoundRow row;
        row[store::kDatum] = r.date;
        row[store::kBannamn] = r.course;
        row[store::kHcpFore] = r.hcpFore;
        row[store::kHcpEfter] = r.hcpEfter;
        tables.rundtabell.push_back(row);
    }
    tables.sistaRounds = store::Held::fromNumber(QString::number(int(rounds.size()) - 1));
    return tables;
}

analysis::HandicapCaptions captions(int lower, int upper, int firstYear, int lastYear)
{
    return {QString::number(upper), QString::number(lower), QString::number(firstYear),
            QString::number(lastYear)};
}

platform::DisplayList drawn(const store::Tables &tables, const analysis::HandicapCaptions &captions)
{
    platform::DisplayList list;
    analysis::drawHandicapGraph(tables, captions, list);
    return list;
}

// A text with its top left corner at a point: a point in the back colour, then the text.
void expectText(std::vector<platform::DrawOp> &ops, double x, double y, const QString &text)
{
    ops.push_back(platform::pointOp(x, y, platform::kBgrPurple));
    ops.push_back(platform::printOp(x, y, text, true));
}

TEST(Presets, SpanEveryRoundsHandicapsAndYears)
{
    struct Case
    {
        const char *name;
        store::Tables tables;
        analysis::HandicapRanges expected;
    };
    const Case cases[] = {
        {"8.4 to 20.0",
         roundTable({hcpRound(u"2004-05-01"_s, u"20.0"_s, u"18.5"_s),
                     hcpRound(u"2009-09-30"_s, u"9.1"_s, u"8.4"_s)}),
         {8, 21, 2004, 2009}},
        {"all at 12.3", roundTable({hcpRound(u"2006-01-01"_s, u"12.3"_s, u"12.3"_s)}), {12, 13, 2006, 2006}},
        {"years out of file order",
         roundTable(
             {hcpRound(u"2008-01-01"_s, u"5.0"_s, u"5.0"_s), hcpRound(u"2001-01-01"_s, u"5.0"_s, u"5.0"_s)}),
         {5, 6, 2001, 2008}},
        {"54.0 and 0.0", roundTable({hcpRound(u"2006-01-01"_s, u"54.0"_s, u"0.0"_s)}), {0, 55, 2006, 2006}},
        // Beyond what the bars hold: taken to the nearest end, the upper limit kept above.
        {"56 and more", roundTable({hcpRound(u"2006-01-01"_s, u"60"_s, u"57.5"_s)}), {55, 56, 2006, 2006}},
        {"negative", roundTable({hcpRound(u"2006-01-01"_s, u"-2.0"_s, u"-3"_s)}), {0, 1, 2006, 2006}},
        {"years outside 1990 to 2100",
         roundTable({hcpRound(u"1985-01-01"_s, u"10.0"_s, u"10.0"_s),
                     hcpRound(u"2150-01-01"_s, u"10.0"_s, u"10.0"_s)}),
         {10, 11, 1990, 2100}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<analysis::HandicapRanges> ranges = analysis::handicapPresets(c.tables);
        ASSERT_TRUE(ranges);
        EXPECT_EQ(*ranges, c.expected);
    }
}

TEST(Presets, ReadOnlyTheRowsTheRoundFileCounts)
{
    store::Tables tables = roundTable(
        {hcpRound(u"2004-05-01"_s, u"10.0"_s, u"10.0"_s), hcpRound(u"2012-01-01"_s, u"40.0"_s, u"40.0"_s)});
    tables.sistaRounds = store::Held::fromNumber(u"0"_s); // row 1 is left from an earlier load
    EXPECT_EQ(analysis::handicapPresets(tables), (analysis::HandicapRanges{10, 11, 2004, 2004}));

    tables.sistaRounds = store::Held::fromNumber(u"-1"_s);
    EXPECT_FALSE(analysis::handicapPresets(tables));
}

TEST(OrderingRules, KeepTheUpperLimitAboveTheLowerAndTheYearsInOrder)
{
    enum Bar { Lower, Upper, First, Last };
    struct Case
    {
        Bar bar;
        int movedTo;
        int other;
        int settlesAt;
    };
    const Case cases[] = {
        {Lower, 10, 21, 10},       {Lower, 21, 21, 20},       {Lower, 30, 21, 20},
        {Lower, 56, 56, 55},       {Upper, 30, 8, 30},        {Upper, 8, 8, 9},
        {Upper, 0, 0, 1},          {Upper, 3, 8, 9},          {First, 2003, 2005, 2003},
        {First, 2005, 2005, 2005}, {First, 2010, 2005, 2005}, {Last, 2010, 2005, 2010},
        {Last, 2005, 2005, 2005},  {Last, 1995, 2005, 2005},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "bar " << c.bar << " moved to " << c.movedTo);
        switch (c.bar) {
        case Lower:
            EXPECT_EQ(analysis::lowerAfterMove(c.movedTo, c.other), c.settlesAt);
            break;
        case Upper:
            EXPECT_EQ(analysis::upperAfterMove(c.movedTo, c.other), c.settlesAt);
            break;
        case First:
            EXPECT_EQ(analysis::firstYearAfterMove(c.movedTo, c.other), c.settlesAt);
            break;
        case Last:
            EXPECT_EQ(analysis::lastYearAfterMove(c.movedTo, c.other), c.settlesAt);
            break;
        }
    }
}

// The worked scale of 8 to 21 and one box at 14.5, every operation in order.
TEST(Graph, DrawsScaleLegendAndBoxOperationByOperation)
{
    const store::Tables tables = roundTable({hcpRound(u"2004-08-24"_s, u"15.0"_s, u"14.5"_s)});
    std::vector<platform::DrawOp> expected{platform::clearOp(platform::kBgrPurple)};
    const auto gridLine = [&expected](double y) {
        expected.push_back(platform::lineOp(200, y, 12000, y, {}));
    };
    expectText(expected, 200, 725, u"21"_s);
    gridLine(900);
    expectText(expected, 130, 1400, u" 17.75 "_s);
    gridLine(1575);
    expectText(expected, 130, 2075, u" 14.5 "_s);
    gridLine(2250);
    expectText(expected, 130, 2750, u" 11.25 "_s);
    gridLine(2925);
    expectText(expected, 200, 3425, u"8"_s);
    gridLine(3620);
    expectText(expected, 200, 3800, u"ÅR"_s);
    expectText(expected, 200, 4000, u"MÅN"_s);
    expectText(expected, 200, 4200, u"DAG"_s);
    expectText(expected, 200, 4550, u"HCP"_s);
    // 14.5 lies half way up the scale: its top is at 3600 - 6.5 x 2700 / 13.
    expected.push_back(platform::lineOp(900, 3600, 900, 2250, {}));
    expected.push_back(platform::lineOp(935, 3600, 935, 2250, platform::kBgrWhite));
    expected.push_back(platform::lineOp(900, 2250, 1150, 2250, {}));
    expected.push_back(platform::lineOp(1150, 2250, 1150, 3600, {}));
    expectText(expected, 900, 3800, u"04"_s);
    expectText(expected, 900, 4000, u"08"_s);
    expectText(expected, 900, 4200, u"24"_s);
    expectText(expected, 900, 4450, u"14.5"_s);

    EXPECT_EQ(drawn(tables, captions(8, 21, 2004, 2004)).ops(), expected);
}

TEST(Graph, PrintsTheOuterCaptionsAsTheyStand)
{
    const platform::DisplayList list = drawn(roundTable({}), {u" 12"_s, u"x"_s, u"2004"_s, u"2009"_s});
    EXPECT_EQ(list.ops()[2].text, u" 12"_s);
    EXPECT_EQ(list.ops()[8].text, u" 6 "_s);
    EXPECT_EQ(list.ops()[14].text, u"x"_s);
}

TEST(Graph, BoxHeightsFollowTheScaleAndHandicapTextsAlternateRows)
{
    const store::Tables tables = roundTable({hcpRound(u"2004-09-01"_s, u"14.5"_s, u"21"_s),
                                             hcpRound(u"2004-09-02"_s, u"21"_s, u"8.0"_s),
                                             hcpRound(u"2004-09-03"_s, u"8.0"_s, u"8.1"_s)});
    const std::vector<DrawnBox> boxes = boxesOf(drawn(tables, captions(8, 9, 2004, 2004)));
    ASSERT_EQ(boxes.size(), 2u); // 21 lies above the range
    // The lower limit gives no height; one unit spans 2700 twips, so 0.1 is 270.
    EXPECT_EQ(boxes[0].x, 900);
    EXPECT_EQ(boxes[0].top, 3600);
    EXPECT_EQ(boxes[0].hcpY, 4450);
    EXPECT_EQ(boxes[1].x, 1300);
    EXPECT_NEAR(boxes[1].top, 3330, 1e-9);
    EXPECT_EQ(boxes[1].hcpY, 4650);

    const std::vector<DrawnBox> top = boxesOf(drawn(tables, captions(8, 21, 2004, 2004)));
    ASSERT_EQ(top.size(), 3u);
    EXPECT_EQ(top[0].top, 900); // the upper limit reaches the top grid line
    EXPECT_EQ(top[2].hcp, u"8.1"_s);
    EXPECT_EQ(top[2].hcpY, 4450);
}

// Which rounds make boxes: the first round in the ranges against the round before it by
// number, later ones by their own texts, inside the year and handicap ranges.
TEST(Graph, ChoosesTheRoundsWhereTheHandicapChanged)
{
    struct Case
    {
        const char *name;
        store::Tables tables;
        analysis::HandicapCaptions captions;
        std::vector<QString> days;
    };
    const Case cases[] = {
        {"the file's first round is drawn even without a change",
         roundTable({hcpRound(u"2004-01-01"_s, u"12.0"_s, u"12.0"_s),
                     hcpRound(u"2004-01-02"_s, u"12.0"_s, u"11.5"_s)}),
         captions(0, 56, 2004, 2004),
         {u"01"_s, u"02"_s}},
        {"first round in the years compared by number with the round before",
         roundTable({hcpRound(u"2003-12-01"_s, u"13.0"_s, u"12.0"_s),
                     hcpRound(u"2004-01-02"_s, u"11.0"_s, u"12"_s),
                     hcpRound(u"2004-01-03"_s, u"12"_s, u"11.5"_s)}),
         captions(0, 56, 2004, 2004),
         {u"03"_s}},
        {"first round in the years drawn on a change from the round before, whatever its own texts",
         roundTable({hcpRound(u"2003-12-01"_s, u"13.0"_s, u"12.0"_s),
                     hcpRound(u"2004-01-02"_s, u"11.5"_s, u"11.5"_s)}),
         captions(0, 56, 2004, 2004),
         {u"02"_s}},
        {"the round before is compared whatever its handicap range",
         roundTable({hcpRound(u"2004-01-01"_s, u"30.0"_s, u"30.0"_s),
                     hcpRound(u"2004-01-02"_s, u"30.0"_s, u"12.0"_s)}),
         captions(10, 20, 2004, 2004),
         {u"02"_s}},
        {"equal texts draw no box, texts that differ only in form do",
         roundTable({hcpRound(u"2004-01-01"_s, u"13.0"_s, u"12.0"_s),
                     hcpRound(u"2004-01-02"_s, u"12.0"_s, u"12.0"_s),
                     hcpRound(u"2004-01-03"_s, u"12.0"_s, u"12"_s),
                     hcpRound(u"2004-01-04"_s, u"12"_s, u"12"_s)}),
         captions(0, 56, 2004, 2004),
         {u"01"_s, u"03"_s}},
        {"a later round is not compared with the round before it",
         roundTable({hcpRound(u"2004-01-01"_s, u"13.0"_s, u"12.0"_s),
                     hcpRound(u"2004-01-02"_s, u"11.9"_s, u"12.0"_s)}),
         captions(0, 56, 2004, 2004),
         {u"01"_s, u"02"_s}},
        {"year limits included",
         roundTable({hcpRound(u"2003-12-31"_s, u"14.0"_s, u"13.0"_s),
                     hcpRound(u"2004-01-01"_s, u"13.0"_s, u"12.0"_s),
                     hcpRound(u"2006-12-02"_s, u"12.0"_s, u"11.0"_s),
                     hcpRound(u"2007-01-03"_s, u"11.0"_s, u"10.0"_s)}),
         captions(0, 56, 2004, 2006),
         {u"01"_s, u"02"_s}},
        {"handicap limits included",
         roundTable({hcpRound(u"2004-01-01"_s, u"10.0"_s, u"9.9"_s),
                     hcpRound(u"2004-01-02"_s, u"9.9"_s, u"10.0"_s),
                     hcpRound(u"2004-01-03"_s, u"10.0"_s, u"20.0"_s),
                     hcpRound(u"2004-01-04"_s, u"20.0"_s, u"20.1"_s)}),
         captions(10, 20, 2004, 2004),
         {u"02"_s, u"03"_s}},
        {"rows past the file's count are not read",
         [] {
             store::Tables t = roundTable({hcpRound(u"2004-01-01"_s, u"13.0"_s, u"12.0"_s),
                                           hcpRound(u"2004-01-02"_s, u"12.0"_s, u"11.0"_s)});
             t.sistaRounds = store::Held::fromNumber(u"0"_s);
             return t;
         }(),
         captions(0, 56, 2004, 2004),
         {u"01"_s}},
        {"no box when the scale has no height",
         roundTable({hcpRound(u"2004-01-01"_s, u"13.0"_s, u"12.0"_s)}),
         {u""_s, u""_s, u"2004"_s, u"2004"_s},
         {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(boxDays(drawn(c.tables, c.captions)), c.days);
    }
}

TEST(Graph, SkippedFirstRoundMakesTheNextBoxWriteOnTheLowerRow)
{
    const store::Tables tables = roundTable({hcpRound(u"2003-12-01"_s, u"13.0"_s, u"12.0"_s),
                                             hcpRound(u"2004-01-01"_s, u"11.0"_s, u"12.0"_s),
                                             hcpRound(u"2004-02-01"_s, u"12.0"_s, u"11.5"_s)});
    const std::vector<DrawnBox> boxes = boxesOf(drawn(tables, captions(0, 56, 2004, 2004)));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].x, 900);
    EXPECT_EQ(boxes[0].hcpY, 4650);
}

TEST(Graph, RowHoldsTwentyFiveBoxes)
{
    store::Tables tables = roundTable({});
    for (int i = 0; i < 40; ++i) {
        store::RoundRow row;
        row[store::kDatum] = u"2004-01-"_s + QString::number(i + 10);
        row[store::kHcpFore] = u"20.0"_s;
        row[store::kHcpEfter] = QString::number(10 + i % 2) + u".0"_s;
        tables.rundtabell.push_back(row);
    }
    tables.sistaRounds = store::Held::fromNumber(u"39"_s);
    const std::vector<DrawnBox> boxes = boxesOf(drawn(tables, captions(0, 56, 2004, 2004)));
    ASSERT_EQ(boxes.size(), 25u);
    EXPECT_EQ(boxes.front().x, 900);
    EXPECT_EQ(boxes.back().x, 10500);
    EXPECT_EQ(boxes.back().day, u"34"_s);
}

} // namespace
