#include "analysis/graphic.h"
#include "graphicfixture.h"

#include <gtest/gtest.h>

using analysis::GraphicChoice;
using platform::DisplayList;
using platform::DrawKind;

namespace {

const QString kLinden = QStringLiteral("Linden");
const QString kEkbacken = QStringLiteral("Ekbacken");
const std::vector<int> kPar72 = {4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4};
const std::vector<int> kPar35 = {4, 4, 3, 5, 4, 4, 3, 4, 4};

std::vector<int> strokesTotalling(int holes, int total)
{
    std::vector<int> strokes(holes, total / holes);
    strokes.back() += total % holes;
    return strokes;
}

GraphicChoice wholeRange(const QString &course, const QStringList &dates)
{
    return {course, dates.first(), dates.last(), int(dates.size()) - 1, -3, 54};
}

struct Drawn
{
    DisplayList list;
    analysis::TotalsGraph graph;
};

Drawn drawTotals(const GraphTables &fixture, const GraphicChoice &choice)
{
    Drawn drawn;
    drawn.list.clear();
    const auto course = analysis::findGraphCourse(fixture.tables, choice.course);
    EXPECT_TRUE(course);
    if (course)
        drawn.graph = analysis::drawTotalsGraph(fixture.tables, *course, choice, drawn.list);
    return drawn;
}

} // namespace

TEST(TotalsGraph, EighteenHoleScaleCountsFromParMinusTen)
{
    GraphTables fixture;
    fixture.course(kLinden, kPar72);
    fixture.round(QStringLiteral("2004-08-24"), kLinden, QStringLiteral("12.0"), strokesTotalling(18, 85));
    const Drawn drawn = drawTotals(fixture, wholeRange(kLinden, {QStringLiteral("2004-08-24")}));

    const std::vector<PlacedText> texts = printedTexts(drawn.list);
    const std::vector<PlacedText> scale(texts.begin(), texts.begin() + 8);
    const std::vector<PlacedText> expected = {
        {110, 5890, QStringLiteral(" 62 ")},
        {20, 4000 - 110, QStringLiteral(" 132 ")},
        {20, 6000 - 60 * 2000.0 / 70 - 110, QStringLiteral(" 122 ")},
        {20, 6000 - 50 * 2000.0 / 70 - 110, QStringLiteral(" 112 ")},
        {20, 6000 - 40 * 2000.0 / 70 - 110, QStringLiteral(" 102 ")},
        {110, 6000 - 30 * 2000.0 / 70 - 110, QStringLiteral(" 92 ")},
        {110, 6000 - 20 * 2000.0 / 70 - 110, QStringLiteral(" 82 ")},
        {110, 6000 - 10 * 2000.0 / 70 - 110, QStringLiteral(" 72 ")},
    };
    EXPECT_EQ(scale, expected);
    EXPECT_EQ(pointsOn(drawn.list, 4000, platform::kBgrRed), 44);
    EXPECT_EQ(pointsOn(drawn.list, 6000 - 10 * 2000.0 / 70, platform::kBgrWhite), 44)
        << "the par line at 72 strokes";

    // The bar of 85 strokes: 23 above the base of 62.
    const auto &ops = drawn.list.ops();
    const auto bar = std::find_if(ops.begin(), ops.end(), [](const platform::DrawOp &op) {
        return op.kind == DrawKind::Line && op.colour == platform::kBgrYellow;
    });
    ASSERT_NE(bar, ops.end());
    EXPECT_EQ(*bar, platform::lineOp(750, 5990, 750, 6000 - 23 * 2000.0 / 70, platform::kBgrYellow));
    EXPECT_NEAR(bar->y2, 5342.86, 0.005);
    EXPECT_EQ(*(bar + 2), platform::lineOp(850, bar->y2, 850, 6000, platform::kBgrBlack));
    EXPECT_EQ(*(bar - 1), platform::pointOp(750, 6000, platform::kBgrRed));
}

TEST(TotalsGraph, NineHoleCourseHasBase26WhateverItsPar)
{
    GraphTables fixture;
    fixture.course(kEkbacken, kPar35);
    fixture.round(QStringLiteral("2005-05-01"), kEkbacken, QStringLiteral("12.0"), strokesTotalling(9, 45));
    fixture.round(QStringLiteral("2005-06-02"), kEkbacken, QStringLiteral("12.0"), strokesTotalling(9, 30));
    fixture.round(QStringLiteral("2005-07-03"), kEkbacken, QStringLiteral("12.0"), strokesTotalling(9, 110));
    const Drawn drawn = drawTotals(
        fixture, wholeRange(kEkbacken, {QStringLiteral("2005-05-01"), QStringLiteral("2005-07-03")}));

    EXPECT_EQ(printedTexts(drawn.list)[0], (PlacedText{110, 5890, QStringLiteral(" 26 ")}));
    // The par line stands at 36 strokes and reads the course's par of 35.
    EXPECT_EQ(printedTexts(drawn.list)[7],
              (PlacedText{110, 6000 - 10 * 2000.0 / 70 - 110, QStringLiteral(" 35 ")}));
    EXPECT_EQ(textsAt(drawn.list, 6010),
              (QStringList{QStringLiteral("05"), QStringLiteral("05"), QStringLiteral("05")}));
    EXPECT_EQ(textsAt(drawn.list, 6195),
              (QStringList{QStringLiteral("05"), QStringLiteral("06"), QStringLiteral("07")}));
    EXPECT_EQ(textsAt(drawn.list, 6370),
              (QStringList{QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("03")}));
    EXPECT_EQ(printedTexts(drawn.list)[8].x, 750 - 40);
    // Never clipped: 110 strokes rise above the top line, 30 hang only 4 above the axis.
    std::vector<double> tops;
    for (const platform::DrawOp &op : drawn.list.ops()) {
        if (op.kind == DrawKind::Line && op.colour == platform::kBgrYellow && op.y == 5990)
            tops.push_back(op.y2);
    }
    EXPECT_EQ(tops, (std::vector<double>{6000 - 19 * 2000.0 / 70, 6000 - 4 * 2000.0 / 70,
                                         6000 - 84 * 2000.0 / 70}));
    EXPECT_EQ(drawn.graph.average, QStringLiteral("61.6"));
    EXPECT_EQ(drawn.graph.lastRound, 2);
}

TEST(TotalsGraph, AverageIsCutToOneDecimalAndItsLineIsExact)
{
    for (const auto &[last, caption] : {std::pair{87, "87"}, std::pair{88, "87.3"}}) {
        GraphTables fixture;
        fixture.course(kLinden, kPar72);
        for (const int total : {87, 87, last})
            fixture.round(QStringLiteral("2006-01-0%1").arg(total == last ? 3 : 1), kLinden,
                          QStringLiteral("10.0"), strokesTotalling(18, total));
        const Drawn drawn = drawTotals(
            fixture, wholeRange(kLinden, {QStringLiteral("2006-01-01"), QStringLiteral("2006-01-03")}));
        EXPECT_EQ(drawn.graph.average, QString::fromLatin1(caption));
        const double exact = 6000 - ((87 + 87 + last) / 3.0 - 62) * 2000 / 70;
        EXPECT_EQ(pointsOn(drawn.list, exact, platform::kBgrWhite), 44) << caption;
    }
}

// Which rounds are drawn, by the day texts under the bars.
TEST(TotalsGraph, RoundsAreChosenByDatePositionAndHandicap)
{
    GraphTables fixture;
    fixture.course(kEkbacken, kPar35);
    fixture.course(QStringLiteral("Annan"), kPar35);
    fixture.round(QStringLiteral("2005-05-01"), kEkbacken, QStringLiteral("12.0"), kPar35);
    fixture.round(QStringLiteral("2005-05-02"), QStringLiteral("Annan"), QStringLiteral("12.0"), kPar35);
    fixture.round(QStringLiteral("2005-05-03"), kEkbacken, QStringLiteral("11.9"), kPar35);
    fixture.round(QStringLiteral("2005-05-04"), kEkbacken, QStringLiteral("12.4"), kPar35);
    fixture.round(QStringLiteral("2005-05-04"), kEkbacken, QStringLiteral("13.0"), kPar35);
    fixture.round(QStringLiteral("2005-05-06"), kEkbacken, QStringLiteral("12.0"), kPar35);
    const QString d1 = QStringLiteral("2005-05-01"), d3 = QStringLiteral("2005-05-03"),
                  d4 = QStringLiteral("2005-05-04"), d6 = QStringLiteral("2005-05-06");
    const QString kOrder = QStringLiteral("VALT DATUM from MÅSTE VARA LIKA ELLER MINDRE ÄN DATUM tom ");
    const QString kNone = QStringLiteral("INGA REGISTRERADE RUNDOR MED OVANSTÅENDE VALDA SÖKBEGREPP");
    const struct
    {
        const char *what;
        GraphicChoice choice;
        QStringList days; // the days drawn, or the message
    } cases[] = {
        {"all", {kEkbacken, d1, d6, 4, -3, 54}, utf8List({"01", "03", "04", "04", "06"})},
        {"hcp ends included", {kEkbacken, d1, d6, 4, 12, 13}, utf8List({"01", "04", "04", "06"})},
        {"12.4 fails hcp to 12", {kEkbacken, d1, d6, 4, 12, 12}, utf8List({"01", "06"})},
        {"first of two on the to-date", {kEkbacken, d1, d4, 2, -3, 54}, utf8List({"01", "03", "04"})},
        {"second of two on the to-date", {kEkbacken, d1, d4, 3, -3, 54}, utf8List({"01", "03", "04", "04"})},
        {"to-entry out of range: later same day drawn", {kEkbacken, d3, d4, 2, 13, 54}, utf8List({"04"})},
        {"from-date skips earlier", {kEkbacken, d3, d6, 4, -3, 54}, utf8List({"03", "04", "04", "06"})},
        {"no from-entry", {kEkbacken, {}, d3, 1, -3, 54}, utf8List({"01", "03"})},
        {"no to-entry", {kEkbacken, d1, {}, -1, -3, 54}, QStringList{kOrder}},
        {"reversed dates", {kEkbacken, d6, d1, 0, -3, 54}, QStringList{kOrder}},
        {"reversed dates, nothing in range", {kEkbacken, d6, d1, 0, 20, 54}, QStringList{kNone}},
        {"hcp from above hcp to", {kEkbacken, d1, d6, 4, 13, 12}, QStringList{kNone}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const Drawn drawn = drawTotals(fixture, c.choice);
        const QStringList days = textsAt(drawn.list, 6370);
        if (days.isEmpty()) {
            EXPECT_EQ(textsAt(drawn.list, 5000), c.days);
            EXPECT_EQ(drawn.list.ops().back().kind, DrawKind::Print);
            EXPECT_EQ(drawn.list.ops().end()[-2], platform::pointOp(1000, 5000, std::nullopt));
            EXPECT_FALSE(drawn.graph.average);
            EXPECT_FALSE(drawn.graph.lastRound);
        } else {
            EXPECT_EQ(days, c.days);
            EXPECT_TRUE(drawn.graph.average);
        }
    }
}

TEST(GraphCourse, DuplicateNamesTakeTheLastRowAndAMissingCourseIsNone)
{
    GraphTables fixture;
    fixture.course(kEkbacken, kPar35);
    fixture.course(kEkbacken, kPar72);
    fixture.course(QStringLiteral("ekbacken"), kPar35);
    const auto found = analysis::findGraphCourse(fixture.tables, kEkbacken);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->row, 1);
    EXPECT_EQ(found->holes, 18);
    EXPECT_EQ(found->par, 72);
    EXPECT_FALSE(analysis::findGraphCourse(fixture.tables, QStringLiteral("Ekbacken ")));
}

TEST(HoleGraph, HolesStandAgainstParAndBarsAreNeverClipped)
{
    GraphTables fixture;
    fixture.course(kEkbacken, {4, 4, 4, 4, 3, 4, 4, 4, 4});
    // Par, +2, -1, +12, empty cell, -3 ...
    fixture.round(QStringLiteral("2005-05-01"), kEkbacken, QStringLiteral("12.0"),
                  {4, 6, 3, 16, 0, 1, 4, 4, 4});
    fixture.tables.slagtabell[0][4] = {};
    const auto course = analysis::findGraphCourse(fixture.tables, kEkbacken);
    DisplayList list;
    list.clear();
    EXPECT_EQ(analysis::drawHoleGraph(fixture.tables, *course, 0, list), QStringLiteral("42"));

    EXPECT_EQ(textsAt(list, 3700),
              (utf8List({" 1 ", " 2 ", " 3 ", " 4 ", " 5 ", " 6 ", " 7 ", " 8 ", " 9 "})));
    EXPECT_EQ(textsAt(list, 3200),
              (utf8List({"PAR", " 4 ", " 4 ", " 4 ", " 4 ", " 3 ", " 4 ", " 4 ", " 4 ", " 4 "})));
    EXPECT_EQ(pointsOn(list, 1500, platform::kBgrBlack), 19);
    EXPECT_EQ(pointsOn(list, 3200, platform::kBgrYellow), 5) << "one dot before the par of each bar";
    // Circles on the holes played in par: 1, 7, 8 and 9.
    std::vector<double> circles;
    std::vector<double> barTops;
    for (const platform::DrawOp &op : list.ops()) {
        if (op.kind == DrawKind::Circle) {
            EXPECT_EQ(op.radius, 150);
            EXPECT_EQ(op.colour, platform::kBgrYellow);
            EXPECT_EQ(op.y, 3280);
            circles.push_back(op.x);
        }
        if (op.kind == DrawKind::Line && op.colour == platform::kBgrYellow && op.y == 3290)
            barTops.push_back(op.y2);
    }
    EXPECT_EQ(circles, (std::vector<double>{710, 3110, 3510, 3910}));
    EXPECT_EQ(barTops, (std::vector<double>{2900, 3500, 900, 3900, 3900}));
    const auto rightSide = std::find(list.ops().begin(), list.ops().end(),
                                     platform::lineOp(1200, 2900, 1200, 3300, std::nullopt));
    EXPECT_NE(rightSide, list.ops().end()) << "the right side in the fore colour";
}

TEST(HoleGraph, EighteenHolesNumberOnAndNoRoundDrawsOnlyTheFrame)
{
    GraphTables fixture;
    fixture.course(kLinden, kPar72);
    const auto course = analysis::findGraphCourse(fixture.tables, kLinden);
    DisplayList list;
    list.clear();
    EXPECT_EQ(analysis::drawHoleGraph(fixture.tables, *course, std::nullopt, list), QStringLiteral("0"));
    const std::vector<PlacedText> texts = printedTexts(list);
    ASSERT_EQ(texts.size(), 18u + 12u);
    EXPECT_EQ(texts[9], (PlacedText{4125, 3700, QStringLiteral(" 10 ")}));
    EXPECT_EQ(texts[17], (PlacedText{7325, 3700, QStringLiteral(" 18 ")}));
    EXPECT_EQ(texts[18], (PlacedText{100, 1400, QStringLiteral(" +9")}));
    EXPECT_EQ(count(list, DrawKind::Circle), 0);
    EXPECT_EQ(count(list, DrawKind::Line), 4);
    EXPECT_EQ(list.ops()[4], platform::lineOp(100, 3880, 9000, 3880, platform::kBgrBlack));
}

TEST(GraphicWindowData, DateListsAndHandicapPreset)
{
    GraphTables fixture;
    fixture.round(QStringLiteral("2005-05-01"), kEkbacken, QStringLiteral("12.0"), kPar35);
    fixture.round(QStringLiteral("2005-05-02"), kLinden, QStringLiteral("12.0"), kPar35);
    fixture.round(QStringLiteral("2005-05-01"), kEkbacken, QStringLiteral("12.0"), kPar35);
    EXPECT_EQ(analysis::courseDates(fixture.tables, kEkbacken),
              (QStringList{QStringLiteral("2005-05-01"), QStringLiteral("2005-05-01")}));
    EXPECT_TRUE(analysis::courseDates(fixture.tables, QStringLiteral("Ingen")).isEmpty());

    // Held within the bar's range -3 .. 54, however far out the stored handicap lies.
    for (const auto &[hcp, preset] : {std::pair{"12.4", 11},
                                      {"12.5", 12},
                                      {"0.0", -1},
                                      {"54.0", 53},
                                      {"", -1},
                                      {"99", 54},
                                      {"100000000000000000000000", 54},
                                      {"-100000000000000000000000", -3},
                                      {"1e23", 0},
                                      {"nan", -1},
                                      {"inf", -1}})
        EXPECT_EQ(analysis::handicapFromPreset(QString::fromLatin1(hcp), -3, 54), preset) << hcp;
    EXPECT_EQ(analysis::handicapFromPreset(QString(400, u'9'), -3, 54), 54);
}
