#include "scorecard/extended.h"
#include "scorecard/scorecard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Every slope handicap from 0.0 to 60.0 in tenths: over stroke indexes 1 to 18 the
// received strokes add up to the handicap rounded half up.
TEST(ReceivedStrokes, AddUpToTheRoundedHandicapOverEighteenHoles)
{
    for (int tenths = 0; tenths <= 600; ++tenths) {
        const double slope = tenths / 10.0;
        int sum = 0;
        for (int index = 1; index <= 18; ++index)
            sum += scorecard::receivedStrokes(slope, index);
        EXPECT_EQ(sum, int(std::floor(slope + 0.5))) << "slope " << slope;
    }
}

TEST(ReceivedStrokes, StepAtEachThreshold)
{
    struct Case
    {
        double slope;
        int index;
        int strokes;
    };
    const Case cases[] = {
        {0.0, 1, 0},   {0.5, 1, 1},  {0.5, 2, 0},   {17.4, 17, 1}, {17.4, 18, 0}, {17.5, 1, 1}, {17.5, 18, 1},
        {21.6, 4, 2},  {21.6, 5, 1}, {35.4, 17, 2}, {35.4, 18, 1}, {35.5, 18, 2}, {40.0, 4, 3}, {40.0, 5, 2},
        {53.5, 18, 3}, {54.0, 1, 3}, {54.0, 18, 3}, {54.9, 1, 4},  {54.9, 2, 3},
    };
    for (const Case &c : cases)
        EXPECT_EQ(scorecard::receivedStrokes(c.slope, c.index), c.strokes)
            << "slope " << c.slope << " index " << c.index;
}

store::StrokeRow strokeRow(const QString &holeOne, const QString &others = u"5"_s)
{
    store::StrokeRow row;
    row.fill(store::Held::fromText(others));
    row[0] = store::Held::fromText(holeOne);
    return row;
}

// Tables holding these stroke rows as a loaded stroke file does.
store::Tables strokeTables(std::vector<store::StrokeRow> slag)
{
    store::Tables tables;
    tables.sistaStrokes = store::Held::fromNumber(QString::number(int(slag.size()) - 1));
    tables.slagtabell = std::move(slag);
    return tables;
}

TEST(BestAndWorst, FindTheExtremesInAnyOrderOfTheRounds)
{
    std::vector<QString> holeOne{u"4"_s, u"5"_s, u"6"_s};
    do {
        std::vector<store::StrokeRow> slag;
        for (const QString &s : holeOne)
            slag.push_back(strokeRow(s));
        const scorecard::BestWorst result = scorecard::bestAndWorst(strokeTables(slag), {0, 1, 2}, u".");
        EXPECT_EQ(result.fewest[0], u"4"_s) << holeOne[0].toStdString() << holeOne[1].toStdString();
        EXPECT_EQ(result.most[0], u"6"_s) << holeOne[0].toStdString() << holeOne[1].toStdString();
        EXPECT_EQ(result.fewestTotal, u"89"_s);
        EXPECT_EQ(result.mostTotal, u"91"_s);
    } while (std::next_permutation(holeOne.begin(), holeOne.end()));
}

TEST(BestAndWorst, ShowStrokeTextsAfterAPairAndNumberTextsForALoneRound)
{
    const store::Tables slag = strokeTables({strokeRow(u"04"_s), strokeRow(u"6x"_s)});
    const scorecard::BestWorst pair = scorecard::bestAndWorst(slag, {0, 1}, u".");
    EXPECT_EQ(pair.fewest[0], u"04"_s);
    EXPECT_EQ(pair.most[0], u"6x"_s);

    const scorecard::BestWorst lone = scorecard::bestAndWorst(slag, {1}, u".");
    EXPECT_EQ(lone.fewest[0], u"6"_s);
    EXPECT_EQ(lone.most[0], u"6"_s);
}

TEST(FindRound, NeedsThePositionAmongTheCoursesRoundsAndTheDate)
{
    store::Tables tables;
    tables.rundtabell.resize(3);
    tables.rundtabell[0][store::kDatum] = u"2004-05-01"_s;
    tables.rundtabell[0][store::kBannamn] = u"A"_s;
    tables.rundtabell[1][store::kDatum] = u"2004-05-01"_s;
    tables.rundtabell[1][store::kBannamn] = u"B"_s;
    tables.rundtabell[2][store::kDatum] = u"2004-05-01"_s;
    tables.rundtabell[2][store::kBannamn] = u"A"_s;

    EXPECT_EQ(scorecard::findRound(tables, u"A"_s, u"2004-05-01"_s, 0, 2), 0);
    EXPECT_EQ(scorecard::findRound(tables, u"A"_s, u"2004-05-01"_s, 1, 2), 2);
    EXPECT_EQ(scorecard::findRound(tables, u"A"_s, u"2004-05-01"_s, 1, 1), std::nullopt);
    EXPECT_EQ(scorecard::findRound(tables, u"A"_s, u"2004-05-02"_s, 0, 2), std::nullopt);
    EXPECT_EQ(scorecard::findRound(tables, u"A"_s, u"2004-05-01"_s, 2, 2), std::nullopt);
}

// A 9-hole round at slope 21.6 (R = 22): holes with stroke index 1 to 4 receive 2 strokes.
TEST(RoundCard, NineHoleWorkedExample)
{
    const int pars[] = {4, 3, 5, 4, 4, 3, 5, 4, 4};
    const int indexes[] = {5, 17, 1, 9, 3, 15, 7, 11, 13};
    const int played[] = {5, 4, 7, 4, 6, 3, 6, 7, 5};
    store::Tables tables;
    tables.bantabell.resize(1);
    tables.rundtabell.resize(1);
    tables.slagtabell.resize(1);
    tables.utokad_tabell.resize(1);
    store::CourseRow &course = tables.bantabell[0];
    course[store::kCourseBannamn] = u"Ekbacken"_s;
    course[store::kCourseAntalHal] = u"9"_s;
    for (int hole = 1; hole <= 9; ++hole) {
        course[store::metresCell(hole)] = u"300"_s;
        course[store::strokeIndexCell(hole)] = QString::number(indexes[hole - 1]);
        course[store::parCell(hole)] = QString::number(pars[hole - 1]);
        tables.slagtabell[0][hole - 1] = store::Held::fromText(QString::number(played[hole - 1]));
    }
    store::RoundRow &round = tables.rundtabell[0];
    round[store::kDatum] = u"2004-08-24"_s;
    round[store::kBannamn] = u"Ekbacken"_s;
    round[store::kAntalHal] = u"9"_s;
    round[store::kSlopeHcp] = u"21.6"_s;
    round[store::kHcpEfter] = u"18.0"_s;
    round[store::kSpeltyp] = u"E"_s;
    tables.sistaCourses = tables.sistaRounds = tables.sistaStrokes = tables.sistaExtended =
        store::Held::fromNumber(u"0"_s);

    const scorecard::RoundCard card = scorecard::roundCard(tables, 0, u"Ekbacken"_s, 0, 0, u",");
    const QString none;
    EXPECT_EQ(card.received,
              (scorecard::HoleTexts{u"1"_s, u"1"_s, u"2"_s, u"1"_s, u"2"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s}));
    EXPECT_EQ(card.points,
              (scorecard::HoleTexts{u"2"_s, u"2"_s, u"2"_s, u"3"_s, u"2"_s, u"3"_s, u"2"_s, u"-"_s, u"2"_s}));
    EXPECT_EQ(card.strokes[9], none);
    EXPECT_EQ((std::array{card.totalReceived, card.totalStrokes, card.totalPoints, card.frontStrokes,
                          card.frontPoints, card.backStrokes, card.backPoints}),
              (std::array{u"11"_s, u"47"_s, u"18"_s, u"47"_s, u"18"_s, u"0"_s, u"0"_s}));
    EXPECT_EQ((std::array{card.slopeHcp, card.hcpEfter, card.playType}),
              (std::array{u"21,6"_s, u"18"_s, u"Ensam"_s}));
}

QString blanks(int count)
{
    return QString(count, u' ');
}

// The six entries of a hole, each as it stands in the hole's text.
QStringList entriesOf(const scorecard::ExtendedCard &card, int hole)
{
    QStringList entries;
    for (const scorecard::EntrySpan &span : card.entries[hole])
        entries << card.holes[hole].mid(span.start, span.length);
    return entries;
}

TEST(ExtendedCard, IngenBlanksEveryHoleAndShowsNoTotals)
{
    const scorecard::ExtendedCard card = scorecard::extendedCard(u"I"_s + QString(54, u'-'), 9);
    EXPECT_EQ(card.holesWritten, 18);
    EXPECT_EQ(card.holes[17], blanks(42));
    EXPECT_EQ(card.totals, (std::array<QString, 6>{}));
}

TEST(ExtendedCard, TwoHoleExamplesAtMellanAndFull)
{
    const scorecard::ExtendedCard mellan = scorecard::extendedCard(u"M-J---2-N---3"_s, 2);
    EXPECT_EQ(mellan.holes[0], blanks(16) + u"JA"_s + blanks(28) + u"2"_s);
    EXPECT_EQ(mellan.holes[1], blanks(14) + u"NEJ"_s + blanks(28) + u"3"_s);
    EXPECT_EQ(mellan.holesWritten, 2);
    EXPECT_EQ(entriesOf(mellan, 0), (QStringList{u" "_s, u"  JA "_s, u" "_s, u" "_s, u" "_s, u"2"_s}));
    EXPECT_EQ(entriesOf(mellan, 1), (QStringList{u" "_s, u" NEJ "_s, u" "_s, u" "_s, u" "_s, u"3"_s}));
    EXPECT_EQ(mellan.totals,
              (std::array<QString, 6>{QString(), u"1"_s, QString(), QString(), QString(), u"5"_s}));

    const scorecard::ExtendedCard full = scorecard::extendedCard(u"FJN1002NJ0113"_s, 2);
    EXPECT_EQ(full.holes[0], blanks(4) + u"JA"_s + blanks(6) + u"NEJ"_s + blanks(6) + u"1"_s + blanks(6) +
                                 u"0"_s + blanks(6) + u"0"_s + blanks(6) + u"2"_s);
    EXPECT_EQ(full.holes[1], blanks(2) + u"NEJ"_s + blanks(8) + u"JA"_s + blanks(6) + u"0"_s + blanks(6) +
                                 u"1"_s + blanks(6) + u"1"_s + blanks(6) + u"3"_s);
    EXPECT_EQ(full.totals, (std::array<QString, 6>{u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"5"_s}));
    EXPECT_EQ(entriesOf(full, 1), (QStringList{u"NEJ"_s, u" JA"_s, u"0"_s, u"1"_s, u"1"_s, u"3"_s}));
}

TEST(ExtendedCard, OddContentIsShownAsFullWithTheSpacingItKeeps)
{
    // An empty record: the first hole has no spacing before its fairway and green yet.
    const scorecard::ExtendedCard empty = scorecard::extendedCard(QString(), 3);
    EXPECT_EQ(empty.holes[0], blanks(24));
    EXPECT_EQ(empty.holes[1], blanks(36));
    EXPECT_EQ(empty.totals, (std::array<QString, 6>{u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s}));
    EXPECT_EQ(entriesOf(empty, 1), QStringList(6, QString()));

    // Lower case "m" is FULL; "x" keeps the spacing of the entry before it.
    const scorecard::ExtendedCard odd = scorecard::extendedCard(u"mxJ0002Jx0001"_s, 2);
    EXPECT_EQ(odd.holes[0], u"x"_s + blanks(8) + u"JA"_s + blanks(6) + u"0"_s + blanks(6) + u"0"_s +
                                blanks(6) + u"0"_s + blanks(6) + u"2"_s);
    EXPECT_EQ(odd.holes[1], blanks(4) + u"JA"_s + blanks(3) + u"x"_s + blanks(6) + u"0"_s + blanks(6) +
                                u"0"_s + blanks(6) + u"0"_s + blanks(6) + u"1"_s);
    EXPECT_EQ(odd.totals, (std::array<QString, 6>{u"1"_s, u"1"_s, u"0"_s, u"0"_s, u"0"_s, u"3"_s}));
    // An entry stands where it is, whatever spacing came before it.
    EXPECT_EQ(entriesOf(odd, 0), (QStringList{u"x"_s, u" JA"_s, u"0"_s, u"0"_s, u"0"_s, u"2"_s}));
    EXPECT_EQ(entriesOf(odd, 1), (QStringList{u" JA"_s, u"x"_s, u"0"_s, u"0"_s, u"0"_s, u"1"_s}));

    // At MELLAN a "J" anywhere reads JA, but only the green's counts.
    const scorecard::ExtendedCard mellan = scorecard::extendedCard(u"MJ----J"_s, 1);
    EXPECT_EQ(mellan.holes[0], blanks(8) + u"JA "_s + blanks(7) + blanks(21) + blanks(8) + u"JA "_s);
    EXPECT_EQ(mellan.totals[1], u"0"_s);
}

} // namespace
