#include "analysis/handicapgraph.h"

#include <gtest/gtest.h>

#include <initializer_list>

using namespace Qt::StringLiterals;

namespace {

struct Round
{
    QString datum;
    QString fore;
    QString after;
};

// A round table holding the rounds in rows 0.., with sista_index counting them.
store::Tables roundTable(std::initializer_list<Round> rounds)
{
    store::Tables tables;
    for (const Round &r : rounds) {
        store::RoundRow row;
        row[store::kDatum] = r.datum;
        row[store::kBannamn] = u"Ekbacken"_s;
        row[store::kHcpFore] = r.fore;
        row[store::kHcpEfter] = r.after;
        tables.rundtabell.push_back(row);
    }
    tables.sistaRounds = store::Held::fromNumber(QString::number(int(rounds.size()) - 1));
    return tables;
}

handicapgraph::Captions captions(int lower, int upper, int firstYear, int lastYear)
{
    return {QString::number(upper), QString::number(lower), QString::number(firstYear),
            QString::number(lastYear)};
}

std::vector<int> boxRows(const handicapgraph::Graph &graph)
{
    std::vector<int> rows;
    for (const handicapgraph::Box &box : graph.boxes)
        rows.push_back(box.row);
    return rows;
}

TEST(Presets, SpanEveryRoundsHandicapsAndYears)
{
    struct Case
    {
        const char *name;
        store::Tables tables;
        handicapgraph::Ranges expected;
    };
    const Case cases[] = {
        {"8.4 to 20.0",
         roundTable({{u"2004-05-01"_s, u"20.0"_s, u"18.5"_s}, {u"2009-09-30"_s, u"9.1"_s, u"8.4"_s}}),
         {8, 21, 2004, 2009}},
        {"all at 12.3", roundTable({{u"2006-01-01"_s, u"12.3"_s, u"12.3"_s}}), {12, 13, 2006, 2006}},
        {"years out of file order",
         roundTable({{u"2008-01-01"_s, u"5.0"_s, u"5.0"_s}, {u"2001-01-01"_s, u"5.0"_s, u"5.0"_s}}),
         {5, 6, 2001, 2008}},
        {"54.0 and 0.0", roundTable({{u"2006-01-01"_s, u"54.0"_s, u"0.0"_s}}), {0, 55, 2006, 2006}},
        // Beyond what the bars hold: taken to the nearest end, the upper limit kept above.
        {"56 and more", roundTable({{u"2006-01-01"_s, u"60"_s, u"57.5"_s}}), {55, 56, 2006, 2006}},
        {"negative", roundTable({{u"2006-01-01"_s, u"-2.0"_s, u"-3"_s}}), {0, 1, 2006, 2006}},
        {"years outside 1990 to 2100",
         roundTable({{u"1985-01-01"_s, u"10.0"_s, u"10.0"_s}, {u"2150-01-01"_s, u"10.0"_s, u"10.0"_s}}),
         {10, 11, 1990, 2100}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<handicapgraph::Ranges> ranges = handicapgraph::presets(c.tables);
        ASSERT_TRUE(ranges);
        EXPECT_EQ(*ranges, c.expected);
    }
}

TEST(Presets, ReadOnlyTheRowsTheRoundFileCounts)
{
    store::Tables tables =
        roundTable({{u"2004-05-01"_s, u"10.0"_s, u"10.0"_s}, {u"2012-01-01"_s, u"40.0"_s, u"40.0"_s}});
    tables.sistaRounds = store::Held::fromNumber(u"0"_s); // row 1 is left from an earlier load
    EXPECT_EQ(handicapgraph::presets(tables), (handicapgraph::Ranges{10, 11, 2004, 2004}));

    tables.sistaRounds = store::Held::fromNumber(u"-1"_s);
    EXPECT_FALSE(handicapgraph::presets(tables));
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
            EXPECT_EQ(handicapgraph::lowerAfterMove(c.movedTo, c.other), c.settlesAt);
            break;
        case Upper:
            EXPECT_EQ(handicapgraph::upperAfterMove(c.movedTo, c.other), c.settlesAt);
            break;
        case First:
            EXPECT_EQ(handicapgraph::firstYearAfterMove(c.movedTo, c.other), c.settlesAt);
            break;
        case Last:
            EXPECT_EQ(handicapgraph::lastYearAfterMove(c.movedTo, c.other), c.settlesAt);
            break;
        }
    }
}

TEST(Graph, ScaleShowsTheCaptionsOutsideAndThreeNumbersBetween)
{
    const handicapgraph::Graph graph = handicapgraph::graph(roundTable({}), captions(8, 21, 2004, 2009));
    const QString texts[] = {u"21"_s, u" 17.75 "_s, u" 14.5 "_s, u" 11.25 "_s, u"8"_s};
    const QPointF points[] = {{200, 725}, {130, 1400}, {130, 2075}, {130, 2750}, {200, 3425}};
    const double grid[] = {900, 1575, 2250, 2925, 3620};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(graph.scale[k].text, texts[k]);
        EXPECT_EQ(graph.scale[k].at, points[k]);
        EXPECT_EQ(graph.scale[k].gridY, grid[k]);
    }
    EXPECT_TRUE(graph.boxes.empty());

    // The outer texts are the captions as they stand.
    const handicapgraph::Graph padded =
        handicapgraph::graph(roundTable({}), {u" 12"_s, u"x"_s, u"2004"_s, u"2009"_s});
    EXPECT_EQ(padded.scale[0].text, u" 12"_s);
    EXPECT_EQ(padded.scale[2].text, u" 6 "_s);
    EXPECT_EQ(padded.scale[4].text, u"x"_s);
}

TEST(Graph, BoxStandsOnTheFootAsHighAsItsHandicapWithItsTextsBelow)
{
    const store::Tables tables = roundTable({{u"2004-08-24"_s, u"15.0"_s, u"14.5"_s},
                                             {u"2004-09-02"_s, u"14.5"_s, u"21"_s},
                                             {u"2004-09-10"_s, u"21"_s, u"8.0"_s}});
    const handicapgraph::Graph graph = handicapgraph::graph(tables, captions(8, 21, 2004, 2004));
    ASSERT_EQ(graph.boxes.size(), 3u);

    const handicapgraph::Box &first = graph.boxes[0];
    EXPECT_EQ(first.x, 900);
    EXPECT_EQ(first.top, 3600 - 6.5 * 2700 / 13);
    EXPECT_EQ(first.count, 0);
    EXPECT_EQ(first.texts[0].text, u"04"_s);
    EXPECT_EQ(first.texts[1].text, u"08"_s);
    EXPECT_EQ(first.texts[2].text, u"24"_s);
    EXPECT_EQ(first.texts[3].text, u"14.5"_s);
    EXPECT_EQ(first.texts[0].at, QPointF(900, 3800));
    EXPECT_EQ(first.texts[1].at, QPointF(900, 4000));
    EXPECT_EQ(first.texts[2].at, QPointF(900, 4200));
    EXPECT_EQ(first.texts[3].at, QPointF(900, 4450));

    // The upper limit reaches the top grid line, the lower limit gives no height; the
    // handicap texts alternate between two rows.
    EXPECT_EQ(graph.boxes[1].x, 1300);
    EXPECT_EQ(graph.boxes[1].top, 900);
    EXPECT_EQ(graph.boxes[1].texts[3], (handicapgraph::PlacedText{u"21"_s, {1300, 4650}}));
    EXPECT_EQ(graph.boxes[2].top, 3600);
    EXPECT_EQ(graph.boxes[2].texts[3], (handicapgraph::PlacedText{u"8.0"_s, {1700, 4450}}));
}

// Which rows make boxes: the first round in the ranges against the round before it by
// number, later ones by their own texts, inside the year and handicap ranges.
TEST(Graph, ChoosesTheRoundsWhereTheHandicapChanged)
{
    struct Case
    {
        const char *name;
        store::Tables tables;
        handicapgraph::Captions captions;
        std::vector<int> rows;
    };
    const Case cases[] = {
        {"the file's first round is drawn even without a change",
         roundTable({{u"2004-01-01"_s, u"12.0"_s, u"12.0"_s}, {u"2004-02-01"_s, u"12.0"_s, u"11.5"_s}}),
         captions(0, 56, 2004, 2004),
         {0, 1}},
        {"first round in the years compared by number with the round before",
         roundTable({{u"2003-12-01"_s, u"13.0"_s, u"12.0"_s},
                     {u"2004-01-01"_s, u"11.0"_s, u"12"_s},
                     {u"2004-02-01"_s, u"12"_s, u"11.5"_s}}),
         captions(0, 56, 2004, 2004),
         {2}},
        {"first round in the years drawn on a change from the round before, whatever its own texts",
         roundTable({{u"2003-12-01"_s, u"13.0"_s, u"12.0"_s}, {u"2004-01-01"_s, u"11.5"_s, u"11.5"_s}}),
         captions(0, 56, 2004, 2004),
         {1}},
        {"the round before is compared whatever its handicap range",
         roundTable({{u"2004-01-01"_s, u"30.0"_s, u"30.0"_s}, {u"2004-02-01"_s, u"30.0"_s, u"12.0"_s}}),
         captions(10, 20, 2004, 2004),
         {1}},
        {"equal texts draw no box, texts that differ only in form do",
         roundTable({{u"2004-01-01"_s, u"13.0"_s, u"12.0"_s},
                     {u"2004-02-01"_s, u"12.0"_s, u"12.0"_s},
                     {u"2004-03-01"_s, u"12.0"_s, u"12"_s},
                     {u"2004-04-01"_s, u"12"_s, u"12"_s}}),
         captions(0, 56, 2004, 2004),
         {0, 2}},
        {"a later round with the same handicap as the round before but other texts",
         roundTable({{u"2004-01-01"_s, u"13.0"_s, u"12.0"_s}, {u"2004-02-01"_s, u"11.9"_s, u"12.0"_s}}),
         captions(0, 56, 2004, 2004),
         {0, 1}},
        {"year limits included",
         roundTable({{u"2003-12-31"_s, u"14.0"_s, u"13.0"_s},
                     {u"2004-01-01"_s, u"13.0"_s, u"12.0"_s},
                     {u"2006-12-31"_s, u"12.0"_s, u"11.0"_s},
                     {u"2007-01-01"_s, u"11.0"_s, u"10.0"_s}}),
         captions(0, 56, 2004, 2006),
         {1, 2}},
        {"handicap limits included",
         roundTable({{u"2004-01-01"_s, u"10.0"_s, u"9.9"_s},
                     {u"2004-02-01"_s, u"9.9"_s, u"10.0"_s},
                     {u"2004-03-01"_s, u"10.0"_s, u"20.0"_s},
                     {u"2004-04-01"_s, u"20.0"_s, u"20.1"_s}}),
         captions(10, 20, 2004, 2004),
         {1, 2}},
        {"rounds past the file's count are not read",
         [] {
             store::Tables t = roundTable(
                 {{u"2004-01-01"_s, u"13.0"_s, u"12.0"_s}, {u"2004-02-01"_s, u"12.0"_s, u"11.0"_s}});
             t.sistaRounds = store::Held::fromNumber(u"0"_s);
             return t;
         }(),
         captions(0, 56, 2004, 2004),
         {0}},
        {"no box when the scale has no height",
         roundTable({{u"2004-01-01"_s, u"13.0"_s, u"12.0"_s}}),
         captions(12, 12, 2004, 2004),
         {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(boxRows(handicapgraph::graph(c.tables, c.captions)), c.rows);
    }
}

TEST(Graph, SkippedFirstRoundMakesTheNextBoxWriteOnTheLowerRow)
{
    const store::Tables tables = roundTable({{u"2003-12-01"_s, u"13.0"_s, u"12.0"_s},
                                             {u"2004-01-01"_s, u"11.0"_s, u"12.0"_s},
                                             {u"2004-02-01"_s, u"12.0"_s, u"11.5"_s}});
    const handicapgraph::Graph graph = handicapgraph::graph(tables, captions(0, 56, 2004, 2004));
    ASSERT_EQ(graph.boxes.size(), 1u);
    EXPECT_EQ(graph.boxes[0].x, 900);
    EXPECT_EQ(graph.boxes[0].count, 1);
    EXPECT_EQ(graph.boxes[0].texts[3].at, QPointF(900, 4650));
}

TEST(Graph, RowHoldsTwentyFiveBoxes)
{
    store::Tables tables = roundTable({});
    for (int i = 0; i < 40; ++i) {
        store::RoundRow row;
        row[store::kDatum] = u"2004-01-01"_s;
        row[store::kHcpFore] = u"20.0"_s;
        row[store::kHcpEfter] = QString::number(10 + i % 2) + u".0"_s;
        tables.rundtabell.push_back(row);
    }
    tables.sistaRounds = store::Held::fromNumber(u"39"_s);
    const handicapgraph::Graph graph = handicapgraph::graph(tables, captions(0, 56, 2004, 2004));
    ASSERT_EQ(graph.boxes.size(), 25u);
    EXPECT_EQ(graph.boxes.front().x, 900);
    EXPECT_EQ(graph.boxes.back().x, 10500);
    EXPECT_EQ(graph.boxes.back().row, 24);
    EXPECT_EQ(graph.boxes.back().count, 24);
}

} // namespace
