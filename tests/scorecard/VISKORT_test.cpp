#include "scorecard/VISKORT.h"

#include "kit/datafiles.h"
#include "kit/emptyfiles.h"
#include "kit/gui.h"
#include "kit/testenv.h"
#include "platform/columnlabel.h"

#include <QLocale>

#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QLabel>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

QString blanks(int count)
{
    return QString(count, u' ');
}

// A column of the card: the cell of hole h is named prefix + (first + h - 1).
struct Cells
{
    QString prefix;
    int first;
};

const Cells kMetreCells{u"Label"_s, 19};
const Cells kParCells{u"Label"_s, 37};
const Cells kIndexCells{u"Label"_s, 55};
const Cells kReceivedCells{u"Label"_s, 73};
const Cells kMostCells{u"vekoll"_s, 20};
const Cells kFewestCells{u"vekoll"_s, 0};
const Cells kStrokeCells{u"Label"_s, 91};
const Cells kPointCells{u"Label"_s, 109};
const Cells kExtendedCells{u"Label"_s, 143};

// The 18 cells of a column, hole 1 first.
QStringList column(QWidget *window, const Cells &cells)
{
    return labelTexts(window, cells.prefix, cells.first, 18);
}

// Nine texts followed by nine empty ones.
QStringList frontNine(const QStringList &nine)
{
    return nine + QStringList(9, QString());
}

QStringList labels(QWidget *window, const QStringList &names)
{
    QStringList texts;
    for (const QString &name : names)
        texts << labelText(window, name);
    return texts;
}

const QStringList kExtendedTotals{u"F9"_s, u"G9"_s, u"B9"_s, u"P9"_s, u"C9"_s, u"PU9"_s};
const QStringList kBestWorstSums{u"lvismin9"_s, u"lvismin"_s, u"lvismtot"_s,
                                 u"lvisoin9"_s, u"lvisoin"_s, u"lvisotot"_s};
const QStringList kRoundTotals{u"L_TotErh"_s, u"L_TotSla"_s, u"L_TotPo"_s, u"L_Tot9s"_s,
                               u"L_Tot9p"_s,  u"L_Tot18s"_s, u"L_Tot18p"_s};

// An 18-hole course: hole h is 300 + h metres long, has stroke index h and par 4.
QStringList lindoCourse()
{
    return plainCourseLines(u"Lindö"_s, 18, 300);
}

// The three round files for these rounds, in this order, each with the note "Blåsigt" and,
// unless it gives its own, at level INGEN.
void writeRounds(QList<RoundRecord> rounds)
{
    for (RoundRecord &round : rounds)
        round.note = u"Blåsigt"_s;
    writeRoundFiles(rounds);
}

// 18 strokes: `first` on hole 1, 5 on every other hole.
QList<int> withHoleOne(int first)
{
    QList<int> all(18, 5);
    all[0] = first;
    return all;
}

class Scorecard : public testing::Test
{
protected:
    // Through the main window's menu item; fails fatally when no VISKORT opens.
    static QWidget *open() { return openByMenu(u"M_VisaSkärm"_s, u"VISKORT"_s); }
};

TEST_F(Scorecard, EkbackenCourseClickShowsTheCourseAndItsOneRound)
{
    writeEkbacken();
    QWidget *window = open();
    ASSERT_EQ(listItems(window, u"L_Bana"_s), QStringList{u"Ekbacken"_s});
    EXPECT_FALSE(isShown(window, u"L_Dat"_s));
    EXPECT_FALSE(isShown(window, u"Label134"_s));

    ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Bana"_s, 0));

    EXPECT_TRUE(isShown(window, u"L_Dat"_s));
    EXPECT_TRUE(isShown(window, u"Label134"_s));
    EXPECT_FALSE(isShown(window, u"L_Inf1"_s));
    EXPECT_FALSE(isShown(window, u"Command1"_s));
    EXPECT_EQ(column(window, kMetreCells), frontNine({u"312"_s, u"145"_s, u"478"_s, u"356"_s, u"298"_s,
                                                      u"167"_s, u"502"_s, u"334"_s, u"389"_s}));
    EXPECT_EQ(column(window, kParCells),
              frontNine({u"4"_s, u"3"_s, u"5"_s, u"4"_s, u"4"_s, u"3"_s, u"5"_s, u"4"_s, u"4"_s}));
    EXPECT_EQ(column(window, kIndexCells),
              frontNine({u"5"_s, u"9"_s, u"1"_s, u"3"_s, u"7"_s, u"8"_s, u"2"_s, u"4"_s, u"6"_s}));
    EXPECT_EQ(labelText(window, u"L_TotMet"_s), u"2981"_s);
    EXPECT_EQ(labelText(window, u"L_TotPar"_s), u"36"_s);
    const QStringList played =
        frontNine({u"5"_s, u"4"_s, u"6"_s, u"5"_s, u"4"_s, u"3"_s, u"6"_s, u"5"_s, u"5"_s});
    EXPECT_EQ(column(window, kFewestCells), played);
    EXPECT_EQ(column(window, kMostCells), played);
    EXPECT_EQ(labels(window, kBestWorstSums),
              (QStringList{u"43"_s, QString(), u"43"_s, u"43"_s, QString(), u"43"_s}));
    EXPECT_EQ(listItems(window, u"L_Dat"_s), QStringList{u"2004-08-24"_s});
    EXPECT_EQ(labelText(window, u"L_Tot"_s), u"1"_s);
    EXPECT_EQ(column(window, kExtendedCells), QStringList(18, blanks(42)));
    EXPECT_EQ(recorder().messages.size(), 0u);
}

TEST_F(Scorecard, EkbackenAtMellanShowsTheRoundWithPointsAndGreensAndPutts)
{
    writeEkbacken();
    QWidget *window = open();
    ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Bana"_s, 0));
    ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Dat"_s, 0));

    // Slope 11.0: every hole has a stroke index up to 11 and receives one stroke.
    EXPECT_EQ(column(window, kReceivedCells), frontNine(QStringList(9, u"1"_s)));
    EXPECT_EQ(column(window, kStrokeCells),
              frontNine({u"5"_s, u"4"_s, u"6"_s, u"5"_s, u"4"_s, u"3"_s, u"6"_s, u"5"_s, u"5"_s}));
    EXPECT_EQ(column(window, kPointCells),
              frontNine({u"2"_s, u"2"_s, u"2"_s, u"2"_s, u"3"_s, u"3"_s, u"2"_s, u"2"_s, u"2"_s}));
    EXPECT_EQ(labels(window, kRoundTotals),
              (QStringList{u"9"_s, u"43"_s, u"20"_s, u"43"_s, u"20"_s, QString(), QString()}));
    EXPECT_EQ(labels(window, kBestWorstSums),
              (QStringList{u"43"_s, QString(), u"43"_s, u"43"_s, QString(), u"43"_s}));
    EXPECT_EQ(labels(window, {u"L_Hcp"_s, u"L_Hcpe"_s, u"L_Hcps"_s, u"L_t1"_s, u"L_Inf1"_s}),
              (QStringList{u"12.3"_s, u"12.1"_s, u"11"_s, u"Sällskap"_s, u" "_s}));
    EXPECT_TRUE(isShown(window, u"L_Inf1"_s));
    EXPECT_TRUE(isShown(window, u"Command1"_s));

    const QString green = blanks(9) + u"JA "_s;
    const QString noGreen = blanks(7) + u"NEJ "_s;
    auto hole = [&](bool greenHit, int putts) {
        return blanks(7) + (greenHit ? green : noGreen) + blanks(21) + blanks(6) + QString::number(putts);
    };
    EXPECT_EQ(labelText(window, u"Label143"_s), blanks(16) + u"JA"_s + blanks(28) + u"2"_s);
    EXPECT_EQ(column(window, kExtendedCells),
              (QStringList{hole(true, 2), hole(false, 2), hole(true, 1), hole(false, 3), hole(true, 2),
                           hole(true, 2), hole(false, 2), hole(true, 2), hole(true, 1)} +
               QStringList(9, blanks(42))));
    EXPECT_EQ(labels(window, kExtendedTotals),
              (QStringList{QString(), u"6"_s, QString(), QString(), QString(), u"17"_s}));
    EXPECT_EQ(recorder().messages.size(), 0u);

    // Choosing the course again empties the round's part but keeps the note line shown.
    ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Bana"_s, 0));
    EXPECT_EQ(column(window, kPointCells), QStringList(18, QString()));
    EXPECT_EQ(column(window, kReceivedCells), QStringList(18, QString()));
    EXPECT_EQ(column(window, kExtendedCells), QStringList(18, blanks(42)));
    EXPECT_EQ(labels(window, kExtendedTotals), QStringList(6, QString()));
    EXPECT_EQ(labels(window, {u"L_t1"_s, u"L_Inf1"_s, u"L_TotPo"_s}), QStringList(3, QString()));
    EXPECT_TRUE(isShown(window, u"L_Inf1"_s));
    EXPECT_TRUE(isShown(window, u"Command1"_s));
}

TEST_F(Scorecard, EkbackenAtFullShowsAllSixEntriesAndTotals)
{
    writeEkbacken();
    writeLines(u"VERUNDAK"_s, {u"0"_s, u"\"FNJ0002NJ0001JN1013JJ0002NJ0102NJ0002JN0012JJ0002NJ0002\""_s});
    QWidget *window = open();
    ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Bana"_s, 0));
    ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Dat"_s, 0));

    const QString fairwayHit = blanks(4) + u"JA"_s;
    const QString fairwayMissed = blanks(2) + u"NEJ"_s;
    auto hole = [&](bool fairway, bool greenHit, const QString &counts) {
        QString text = fairway ? fairwayHit : fairwayMissed;
        text += greenHit ? blanks(fairway ? 9 : 8) + u"JA"_s : blanks(6) + u"NEJ"_s;
        for (QChar digit : counts)
            text += blanks(6) + digit;
        return text;
    };
    EXPECT_EQ(column(window, kExtendedCells),
              (QStringList{
                   hole(false, true, u"0002"_s), hole(false, true, u"0001"_s), hole(true, false, u"1013"_s),
                   hole(true, true, u"0002"_s), hole(false, true, u"0102"_s), hole(false, true, u"0002"_s),
                   hole(true, false, u"0012"_s), hole(true, true, u"0002"_s), hole(false, true, u"0002"_s)} +
               QStringList(9, blanks(42))));
    EXPECT_EQ(labels(window, kExtendedTotals),
              (QStringList{u"4"_s, u"7"_s, u"1"_s, u"1"_s, u"2"_s, u"18"_s}));
}

TEST_F(Scorecard, HandicapsUseTheRegionalDecimalSeparator)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    writeEkbacken();
    QWidget *window = open();
    clickListRow(window, u"L_Bana"_s, 0);
    clickListRow(window, u"L_Dat"_s, 0);
    const QStringList shown = labels(window, {u"L_Hcp"_s, u"L_Hcpe"_s, u"L_Hcps"_s});
    QLocale::setDefault(previous);
    EXPECT_EQ(shown, (QStringList{u"12,3"_s, u"12,1"_s, u"11"_s}));
}

TEST_F(Scorecard, BestAndWorstCoverAllYearsAfterTheCourseClickAndTheRoundsYearAfterTheDateClick)
{
    QStringList courses{u"0"_s};
    writeLines(u"VEMTORBF"_s, courses + lindoCourse());
    writeRounds({{u"2003-06-01"_s, u"Lindö"_s, withHoleOne(2)},
                 {u"2004-05-01"_s, u"Lindö"_s, withHoleOne(5)},
                 {u"2004-05-09"_s, u"Annan"_s, withHoleOne(1)},
                 {u"2004-06-01"_s, u"Lindö"_s, withHoleOne(3)},
                 {u"2004-07-01"_s, u"lindö"_s, withHoleOne(9)},
                 {u"2004-08-01"_s, u"Lindö"_s, withHoleOne(7)}});
    QWidget *window = open();
    ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Bana"_s, 0));
    EXPECT_EQ(listItems(window, u"L_Dat"_s),
              (QStringList{u"2003-06-01"_s, u"2004-05-01"_s, u"2004-06-01"_s, u"2004-08-01"_s}));
    EXPECT_EQ(labelText(window, u"L_Tot"_s), u"4"_s);
    EXPECT_EQ(labels(window, {u"vekoll0"_s, u"vekoll20"_s, u"vekoll17"_s, u"vekoll37"_s}),
              (QStringList{u"2"_s, u"7"_s, u"5"_s, u"5"_s}));
    EXPECT_EQ(labels(window, kBestWorstSums),
              (QStringList{u"42"_s, u"45"_s, u"87"_s, u"47"_s, u"45"_s, u"92"_s}));
    EXPECT_EQ(labelText(window, u"L_TotMet"_s), QString::number(18 * 300 + 171));
    EXPECT_EQ(labelText(window, u"L_TotPar"_s), u"72"_s);

    ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Dat"_s, 2));
    EXPECT_EQ(labels(window, {u"vekoll0"_s, u"vekoll20"_s}), (QStringList{u"3"_s, u"7"_s}));
    EXPECT_EQ(labels(window, kBestWorstSums),
              (QStringList{u"43"_s, u"45"_s, u"88"_s, u"47"_s, u"45"_s, u"92"_s}));
    EXPECT_EQ(column(window, kStrokeCells)[0], u"3"_s);

    // The only round of its year: both columns show its strokes.
    ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Dat"_s, 0));
    EXPECT_EQ(column(window, kFewestCells), column(window, kMostCells));
    EXPECT_EQ(column(window, kFewestCells)[0], u"2"_s);
    EXPECT_EQ(labels(window, kBestWorstSums),
              (QStringList{u"42"_s, u"45"_s, u"87"_s, u"42"_s, u"45"_s, u"87"_s}));
}

TEST_F(Scorecard, ReceivedStrokesAndPointsFollowTheSlopeHandicap)
{
    writeLines(u"VEMTORBF"_s, QStringList{u"0"_s} + lindoCourse());
    // Slope 21.6 rounds to 22: holes with index 1 to 4 receive 2, the others 1. Par 4 everywhere.
    QList<int> played(18, 5);
    played[0] = 4; // 2 + 4 - 4 + 2 = 4 points
    played[4] = 7; // 1 + 4 - 7 + 2 = 0 points: "-"
    played[17] = 9;
    writeRounds({{.date = u"2004-05-01"_s,
                  .course = u"Lindö"_s,
                  .strokes = played,
                  .playType = u"X"_s,
                  .slopeHcp = u"21.6"_s}});
    QWidget *window = open();
    ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Bana"_s, 0));
    ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Dat"_s, 0));

    QStringList erh(18, u"1"_s);
    for (int hole = 0; hole < 4; ++hole)
        erh[hole] = u"2"_s;
    EXPECT_EQ(column(window, kReceivedCells), erh);
    QStringList expectedPoints(18, u"2"_s);
    for (int hole = 1; hole < 4; ++hole)
        expectedPoints[hole] = u"3"_s;
    expectedPoints[0] = u"4"_s;
    expectedPoints[4] = u"-"_s;
    expectedPoints[17] = u"-"_s;
    EXPECT_EQ(column(window, kPointCells), expectedPoints);
    EXPECT_EQ(labels(window, kRoundTotals),
              (QStringList{u"22"_s, u"95"_s, u"37"_s, u"46"_s, u"21"_s, u"49"_s, u"16"_s}));
    // A type of play the register let through shows as stored.
    EXPECT_EQ(labelText(window, u"L_t1"_s), u"X"_s);
    EXPECT_EQ(labelText(window, u"L_Hcps"_s), u"21.6"_s);
}

TEST_F(Scorecard, TwoRoundsOnOneDateAreToldApartByPosition)
{
    writeLines(u"VEMTORBF"_s, QStringList{u"0"_s} + lindoCourse());
    writeRounds({{u"2004-05-01"_s, u"Lindö"_s, withHoleOne(3)},
                 {u"2004-05-01"_s, u"Annan"_s, withHoleOne(8)},
                 {u"2004-05-01"_s, u"Lindö"_s, withHoleOne(6)}});
    QWidget *window = open();
    ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Bana"_s, 0));
    ASSERT_EQ(listItems(window, u"L_Dat"_s), (QStringList{u"2004-05-01"_s, u"2004-05-01"_s}));

    for (const auto &[position, first] : {std::pair{1, u"6"_s}, std::pair{0, u"3"_s}, std::pair{0, u"3"_s}}) {
        SCOPED_TRACE(position);
        ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Dat"_s, position));
        EXPECT_EQ(column(window, kStrokeCells)[0], first);
        EXPECT_EQ(labels(window, {u"vekoll0"_s, u"vekoll20"_s}), (QStringList{u"3"_s, u"6"_s}));
    }
    EXPECT_EQ(recorder().messages.size(), 0u);
}

TEST_F(Scorecard, NineHoleRoundAfterAnEighteenHoleRoundShowsOnlyItsHoles)
{
    writeLines(u"VEMTORBF"_s, QStringList{u"0"_s} + lindoCourse());
    writeRounds(
        {{u"2004-05-01"_s, u"Lindö"_s, QList<int>(18, 6)}, {u"2004-06-01"_s, u"Lindö"_s, QList<int>(9, 4)}});
    writeLines(u"VERUNDAK"_s,
               {u"1"_s, quoted(u"F"_s + u"JJ0002"_s.repeated(18)), quoted(u"F"_s + u"NN0001"_s.repeated(9))});
    QWidget *window = open();
    ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Bana"_s, 0));
    ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Dat"_s, 0));
    EXPECT_EQ(column(window, kReceivedCells), QStringList(18, u"1"_s));
    EXPECT_EQ(labelText(window, u"L_Tot18s"_s), u"54"_s);
    const QStringList longRoundHoles = column(window, kExtendedCells);

    ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Dat"_s, 1));
    // The extended column writes the round's nine holes and leaves the others as they were.
    const QString missedBoth = blanks(2) + u"NEJ"_s + blanks(6) + u"NEJ"_s + blanks(6) + u"0"_s + blanks(6) +
                               u"0"_s + blanks(6) + u"0"_s + blanks(6) + u"1"_s;
    EXPECT_EQ(column(window, kExtendedCells), QStringList(9, missedBoth) + longRoundHoles.mid(9));
    EXPECT_NE(longRoundHoles[17], blanks(42));
    EXPECT_EQ(labels(window, kExtendedTotals), (QStringList{u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"9"_s}));
    EXPECT_EQ(column(window, kReceivedCells), frontNine(QStringList(9, u"1"_s)));
    EXPECT_EQ(column(window, kStrokeCells), frontNine(QStringList(9, u"4"_s)));
    EXPECT_EQ(column(window, kPointCells), frontNine(QStringList(9, u"3"_s)));
    EXPECT_EQ(labels(window, kRoundTotals),
              (QStringList{u"9"_s, u"36"_s, u"27"_s, u"36"_s, u"27"_s, QString(), QString()}));
    // The nine-hole round has no strokes on hole 10, so the second nine of Min and Max goes;
    // the sums were taken before, over both rounds' holes.
    EXPECT_EQ(column(window, kFewestCells), frontNine(QStringList(9, u"4"_s)));
    EXPECT_EQ(column(window, kMostCells), frontNine(QStringList(9, u"6"_s)));
    EXPECT_EQ(labels(window, kBestWorstSums),
              (QStringList{u"36"_s, QString(), u"36"_s, u"54"_s, QString(), u"108"_s}));
}

const QStringList kExtendedHeads{u"Fairw"_s, u"Green"_s, u"Bunk"_s, u"Pitch"_s, u"Chip"_s, u"Putt"_s};

// The centre of each word of the extended head as the head label draws it in its font, in
// the window's pixels, by the word.
std::vector<std::pair<QString, double>> headCentres(QWidget *window)
{
    std::vector<std::pair<QString, double>> centres;
    const QLabel *head = control<QLabel>(window, u"Label138"_s);
    if (!head)
        return centres;
    const QFontMetricsF metrics(head->font());
    const QString text = head->text();
    QRegularExpressionMatchIterator words = QRegularExpression(u"\\S+"_s).globalMatch(text);
    while (words.hasNext()) {
        const QRegularExpressionMatch word = words.next();
        centres.emplace_back(word.captured(), head->x() +
                                                  metrics.horizontalAdvance(text.left(word.capturedStart())) +
                                                  metrics.horizontalAdvance(word.captured()) / 2);
    }
    return centres;
}

// The name of whichever of `centres` lies nearest to x, and how far from x it lies.
std::pair<QString, double> nearest(const std::vector<std::pair<QString, double>> &centres, double x)
{
    const auto &[name, centre] =
        *std::ranges::min_element(centres, {}, [&](const auto &named) { return std::abs(named.second - x); });
    return {name, std::abs(centre - x)};
}

// Each entry a hole's label draws stands under its own head, within a few pixels of the
// head's centre and nearer to it than to any other head; and each word of the head stands
// over its own total.
TEST_F(Scorecard, ExtendedEntriesStandUnderTheirHeadsAndTheHeadsOverTheirTotals)
{
    struct Hole
    {
        QString record; // the hole's six characters of the record
        QStringList drawn;
        QStringList heads; // of the drawn entries, in order
    };
    struct Case
    {
        const char *level;
        QChar letter;
        std::vector<Hole> holes; // over and over, from hole 1 to 18
    };
    const QStringList greenAndPutt{u"Green"_s, u"Putt"_s};
    const Case cases[] = {
        {"FULL",
         u'F',
         {{u"JJ1234"_s, {u"JA"_s, u"JA"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s}, kExtendedHeads},
          {u"NJ0102"_s, {u"NEJ"_s, u"JA"_s, u"0"_s, u"1"_s, u"0"_s, u"2"_s}, kExtendedHeads},
          {u"JN1013"_s, {u"JA"_s, u"NEJ"_s, u"1"_s, u"0"_s, u"1"_s, u"3"_s}, kExtendedHeads},
          {u"NN0001"_s, {u"NEJ"_s, u"NEJ"_s, u"0"_s, u"0"_s, u"0"_s, u"1"_s}, kExtendedHeads},
          // A "-" keeps the blanks of the entry before it; what follows stands under its head still.
          {u"J-1111"_s, {u"JA"_s, u"-"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s}, kExtendedHeads},
          {u"--9999"_s, {u"-"_s, u"-"_s, u"9"_s, u"9"_s, u"9"_s, u"9"_s}, kExtendedHeads}}},
        {"MELLAN",
         u'M',
         {{u"-J---1"_s, {u"JA"_s, u"1"_s}, greenAndPutt},
          {u"-N---2"_s, {u"NEJ"_s, u"2"_s}, greenAndPutt},
          {u"-----2"_s, {u"2"_s}, {u"Putt"_s}}}},
    };
    writeLines(u"VEMTORBF"_s, QStringList{u"0"_s} + lindoCourse());
    writeRounds({{u"2004-05-01"_s, u"Lindö"_s, QList<int>(18, 5)}});
    for (const Case &c : cases) {
        SCOPED_TRACE(c.level);
        QString record = c.letter;
        for (int hole = 0; hole < 18; ++hole)
            record += c.holes[hole % c.holes.size()].record;
        writeLines(u"VERUNDAK"_s, {u"0"_s, quoted(record)});
        QWidget *window = nullptr;
        ASSERT_NO_FATAL_FAILURE(window = open());
        ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Bana"_s, 0));
        ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Dat"_s, 0));
        const std::vector<std::pair<QString, double>> heads = headCentres(window);
        ASSERT_EQ(heads.size(), 6u);
        for (int hole = 0; hole < 18; ++hole) {
            SCOPED_TRACE(hole + 1);
            const Hole &expected = c.holes[hole % c.holes.size()];
            const platform::ColumnLabel *line = nullptr;
            ASSERT_NO_FATAL_FAILURE(
                line = control<platform::ColumnLabel>(window, u"Label"_s + QString::number(143 + hole)));
            const std::vector<platform::ColumnLabel::Drawn> drawn = line->drawn();
            QStringList texts;
            for (const platform::ColumnLabel::Drawn &entry : drawn)
                texts << entry.text;
            ASSERT_EQ(texts, expected.drawn);
            for (size_t k = 0; k < drawn.size(); ++k) {
                const auto [head, distance] = nearest(heads, line->x() + drawn[k].rect.center().x());
                EXPECT_EQ(head, expected.heads[k]) << expected.drawn[k].toStdString();
                EXPECT_LE(distance, 3) << expected.drawn[k].toStdString();
            }
        }
        std::vector<std::pair<QString, double>> totals;
        for (const QString &name : kExtendedTotals) {
            const QLabel *total = control<QLabel>(window, name);
            totals.emplace_back(name, total ? total->x() + total->width() / 2.0 : 0.0);
        }
        for (size_t k = 0; k < heads.size(); ++k)
            EXPECT_EQ(nearest(totals, heads[k].second).first, kExtendedTotals[k])
                << heads[k].first.toStdString();
        window->close();
        settle();
    }
}

TEST_F(Scorecard, CourseWithoutRoundsShowsNoBestAndWorst)
{
    writeLines(u"VEMTORBF"_s, QStringList{u"1"_s} + lindoCourse() + ekbackenCourseLines().mid(1));
    writeRounds({{u"2004-05-01"_s, u"Lindö"_s, QList<int>(18, 6)}});
    QWidget *window = open();
    ASSERT_EQ(listItems(window, u"L_Bana"_s), (QStringList{u"Lindö"_s, u"Ekbacken"_s}));
    ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Bana"_s, 1));

    EXPECT_EQ(listItems(window, u"L_Dat"_s), QStringList{});
    EXPECT_EQ(labelText(window, u"L_Tot"_s), u"0"_s);
    EXPECT_EQ(column(window, kFewestCells), QStringList(18, QString()));
    EXPECT_EQ(column(window, kMostCells), QStringList(18, QString()));
    EXPECT_EQ(labels(window, kBestWorstSums), QStringList(6, QString()));
    EXPECT_EQ(labelText(window, u"L_TotPar"_s), u"36"_s);
}

// The arrow keys move a list's selection as a click does: the date list and the card follow.
TEST_F(Scorecard, CourseChosenByKeyListsThatCoursesDates)
{
    writeLines(u"VEMTORBF"_s, QStringList{u"1"_s} + lindoCourse() + ekbackenCourseLines().mid(1));
    writeRounds({{u"2004-08-24"_s, u"Ekbacken"_s, QList<int>(9, 7)},
                 {u"2004-08-24"_s, u"Lindö"_s, QList<int>(18, 3)},
                 {u"2004-09-01"_s, u"Lindö"_s, QList<int>(18, 4)}});
    QWidget *window = open();
    ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Bana"_s, 0));
    ASSERT_EQ(listItems(window, u"L_Dat"_s).size(), 2);
    ASSERT_NO_FATAL_FAILURE(typeKey(window, u"L_Bana"_s, Qt::Key_Down));

    EXPECT_EQ(listItems(window, u"L_Dat"_s).size(), 1);
    EXPECT_EQ(labelText(window, u"L_Tot"_s), u"1"_s);
    EXPECT_EQ(labelText(window, u"L_TotPar"_s), u"36"_s); // Ekbacken's, not Lindö's 72
    ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Dat"_s, 0));
    EXPECT_EQ(column(window, kStrokeCells), frontNine(QStringList(9, u"7"_s)));
    EXPECT_EQ(recorder().messages.size(), 0u);
}

TEST_F(Scorecard, DownArrowAfterADateClickShowsTheNextRound)
{
    writeLines(u"VEMTORBF"_s, QStringList{u"0"_s} + lindoCourse());
    writeRounds(
        {{u"2004-08-24"_s, u"Lindö"_s, QList<int>(18, 3)}, {u"2004-09-01"_s, u"Lindö"_s, QList<int>(18, 4)}});
    QWidget *window = open();
    ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Bana"_s, 0));
    ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Dat"_s, 0));
    ASSERT_EQ(column(window, kStrokeCells), QStringList(18, u"3"_s));
    ASSERT_NO_FATAL_FAILURE(typeKey(window, u"L_Dat"_s, Qt::Key_Down));

    EXPECT_EQ(column(window, kStrokeCells), QStringList(18, u"4"_s));
    EXPECT_EQ(labelText(window, u"L_TotSla"_s), u"72"_s);
    ASSERT_NO_FATAL_FAILURE(typeKey(window, u"L_Dat"_s, Qt::Key_Home));
    EXPECT_EQ(column(window, kStrokeCells), QStringList(18, u"3"_s));
}

class ScorecardEmptyFile : public testing::TestWithParam<EmptyFileCase>
{
};

TEST_P(ScorecardEmptyFile, ShowsItsMessageAndListsOnlyWhenTheLoadGoesOn)
{
    platform::Instance<VISKORT, VISKORT::State> instance;
    QWidget *window = showWithEmptyFile(instance, GetParam(), u"L_Bana"_s);
    EXPECT_EQ(listItems(window, u"L_Dat"_s), QStringList{});
}

INSTANTIATE_TEST_SUITE_P(EachFile, ScorecardEmptyFile, eachEmptyFile(), emptyFileCaseName);

TEST_F(Scorecard, DamagedStrokeFileIsReportedOnceAndListsTheCoursesReadWhole)
{
    writeEkbacken();
    writeFile(u"VERUNDAH"_s, withoutLastLines(fileBytes(ekbackenStrokeLines()), 3));
    QWidget *window = open();
    EXPECT_EQ(recorder().messages,
              (std::vector<RecordedMessage>{
                  {u"Filen VERUNDAH är skadad och kunde inte läsas helt."_s, u"FELMEDDELANDE"_s, 48}}));
    EXPECT_EQ(listItems(window, u"L_Bana"_s), QStringList{u"Ekbacken"_s});
}

// A line of 10 MB (a course name, a date) makes its file damaged and opens at once.
TEST_F(Scorecard, TenMegabyteLinesOpenAtOnce)
{
    const QByteArray huge = '"' + QByteArray(10'000'000, '2') + '"';
    const std::pair<QString, QByteArray> cases[] = {
        {u"VEMTORBF"_s, withLineReplaced(fileBytes(ekbackenCourseLines()), 1, huge)},
        {u"VERUNDAR"_s, withLineReplaced(fileBytes(ekbackenRoundLines()), 1, huge)},
    };
    for (const auto &[file, bytes] : cases) {
        SCOPED_TRACE(file.toStdString());
        recorder().clear();
        writeEkbacken();
        writeFile(file, bytes);
        QElapsedTimer timer;
        timer.start();
        QWidget *window = open();
        ASSERT_TRUE(window);
        if (file == u"VERUNDAR"_s)
            clickListRow(window, u"L_Bana"_s, 0);
        EXPECT_LT(timer.elapsed(), 2000);
        EXPECT_EQ(recorder().messageTexts(),
                  QStringList{u"Filen %1 är skadad och kunde inte läsas helt."_s.arg(file)});
        window->close();
        settle();
    }
}

TEST_F(Scorecard, TillbakaClosesAndTheNextShowingLoadsAnew)
{
    writeEkbacken();
    QWidget *window = open();
    ASSERT_NO_FATAL_FAILURE(clickListRow(window, u"L_Bana"_s, 0));
    ASSERT_NO_FATAL_FAILURE(click(window, u"C_Tillb"_s));
    settle();
    EXPECT_FALSE(openWindow(u"VISKORT"_s));

    writeLines(u"VEMTORBF"_s, QStringList{u"0"_s} + lindoCourse());
    window = open();
    EXPECT_EQ(listItems(window, u"L_Bana"_s), QStringList{u"Lindö"_s});
    EXPECT_FALSE(isShown(window, u"L_Dat"_s));
    EXPECT_EQ(labelText(window, u"vekoll0"_s), QString());
}

} // namespace
