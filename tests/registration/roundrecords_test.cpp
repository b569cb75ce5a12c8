#include "registration/roundentry.h"
#include "registration/roundrecords.h"

#include "kit/example.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using registration::HoleValues;

namespace {

// Every hole: fairway missed, green hit, 1 bunker shot, 0 pitches, 1 chip, 2 putts.
HoleValues sameOnEveryHole()
{
    HoleValues values;
    values.hal_fairway.fill(0);
    values.hal_green.fill(1);
    values.hal_bunker.fill(1);
    values.hal_pitch.fill(0);
    values.hal_chip.fill(1);
    values.hal_putt.fill(2);
    return values;
}

// The worked example's round as the register's controls hold it.
registration::RoundInput ekbackenInput()
{
    const RoundEntry entry = ekbackenRoundEntry();
    return {.year = QString::number(entry.year),
            .month = QString::number(entry.month),
            .day = QString::number(entry.day),
            .course = u"Ekbacken"_s,
            .hcpForeWhole = QString::number(entry.hcpFore[0]),
            .hcpForeTenth = QString::number(entry.hcpFore[1]),
            .hcpEfterWhole = QString::number(entry.hcpEfter[0]),
            .hcpEfterTenth = QString::number(entry.hcpEfter[1]),
            .slopeWhole = QString::number(entry.slope[0]),
            .slopeTenth = QString::number(entry.slope[1]),
            .points = QString::number(entry.points),
            .playType = u"Sällskap"_s,
            .note = QString(),
            .level = u"MELLAN"_s,
            .sista_hal = int(entry.strokes.size()) - 1};
}

} // namespace

TEST(ExtendedRecord, HoldsTheLevelsValuesForNineAndEighteenHoles)
{
    const HoleValues values = sameOnEveryHole();
    struct Case
    {
        QString level;
        int holes;
        QString expected;
    };
    const Case cases[] = {
        {u"INGEN"_s, 9, u'I' + QString(54, u'-')},        {u"INGEN"_s, 18, u'I' + QString(108, u'-')},
        {u"MELLAN"_s, 9, u'M' + u"-J---2"_s.repeated(9)}, {u"MELLAN"_s, 18, u'M' + u"-J---2"_s.repeated(18)},
        {u"FULL"_s, 9, u'F' + u"NJ1012"_s.repeated(9)},   {u"FULL"_s, 18, u'F' + u"NJ1012"_s.repeated(18)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.level.toStdString() + " " + std::to_string(c.holes));
        EXPECT_EQ(registration::extendedRecord(c.level, c.holes, values), c.expected);
    }
}

TEST(ExtendedRecord, MarksYesOnlyForOneAndWritesTheLastDigitOfACount)
{
    HoleValues values = sameOnEveryHole();
    values.hal_fairway[0] = 1;
    values.hal_green[0] = 2; // not yes
    values.hal_putt[0] = 12;
    const QString record = registration::extendedRecord(u"FULL", 9, values).value();
    EXPECT_EQ(record.mid(1, 6), u"JN1012");
}

TEST(ExtendedRecord, RefusesOtherHoleCountsAndUnknownLevels)
{
    const HoleValues values = sameOnEveryHole();
    for (int holes : {-1, 0, 8, 10, 12, 17, 19})
        for (QStringView level : {u"INGEN", u"MELLAN", u"FULL"})
            EXPECT_FALSE(registration::extendedRecord(level, holes, values)) << holes;
    EXPECT_FALSE(registration::extendedRecord(u"", 9, values));
    EXPECT_FALSE(registration::extendedRecord(u"ingen", 18, values));
}

TEST(RoundRecord, JoinsTheControlsTextsInRecordOrder)
{
    const store::RoundRow expected{u"2004-08-24"_s, u"Ekbacken"_s, u"12.3"_s, u"12.1"_s, u"19"_s,
                                   u"S"_s,          u" "_s,        u"9"_s,    u"11.0"_s};
    EXPECT_EQ(registration::roundRecord(ekbackenInput()), expected);
}

TEST(RoundRecord, PadsShortMonthAndDayAndKeepsTheRestAsTyped)
{
    struct Case
    {
        QString year, month, day, expected;
    };
    const Case cases[] = {
        {u"2004"_s, u"5"_s, u"7"_s, u"2004-05-07"_s},
        {u"2004"_s, u"12"_s, u""_s, u"2004-12-0"_s},
        {u"04"_s, u"05"_s, u"07"_s, u"04-05-07"_s},
        {u"2004"_s, u"123"_s, u"07"_s, u"2004-123-07"_s},
    };
    for (const Case &c : cases) {
        registration::RoundInput input = ekbackenInput();
        input.year = c.year;
        input.month = c.month;
        input.day = c.day;
        EXPECT_EQ(registration::roundRecord(input)[store::kDatum], c.expected);
    }
}

TEST(RoundRecord, CodesOnlyTheExactTypeOfPlayTexts)
{
    const std::pair<QString, QString> cases[] = {
        {u"Tävling"_s, u"T"_s},
        {u"Sällskap"_s, u"S"_s},
        {u"Ensam"_s, u"E"_s},
        {u"T"_s, u"T"_s},
        {u"X"_s, u"X"_s},
        {u"SÄLLSKAP"_s, u"SÄLLSKAP"_s},
        {u"SällskapT"_s, u"SällskapT"_s},
    };
    for (const auto &[typed, stored] : cases) {
        registration::RoundInput input = ekbackenInput();
        input.playType = typed;
        EXPECT_EQ(registration::roundRecord(input)[store::kSpeltyp], stored) << typed.toStdString();
    }
}

TEST(RoundRecord, KeepsANoteAndTheHolesOfTheCourse)
{
    registration::RoundInput input = ekbackenInput();
    input.note = u"  blåst "_s;
    input.sista_hal = 17;
    const store::RoundRow row = registration::roundRecord(input);
    EXPECT_EQ(row[store::kRundinfo], u"  blåst ");
    EXPECT_EQ(row[store::kAntalHal], u"18");
}

TEST(StrokeRecord, StoresEveryHoleAsTextAndAnEmptySlotAsZero)
{
    HoleValues values;
    values.hal_slag[0] = u"5"_s;
    values.hal_slag[17] = u"12"_s;
    const store::StrokeRow row = registration::strokeRecord(values);
    EXPECT_EQ(row[0], store::Held::fromText(u"5"_s));
    EXPECT_EQ(row[1], store::Held::fromText(u"0"_s));
    EXPECT_EQ(row[17], store::Held::fromText(u"12"_s));
}

TEST(StrokesComplete, NeedsAStrokeOnEveryPlayedHoleOnly)
{
    HoleValues values;
    values.hal_slag.fill(u"4"_s);
    EXPECT_TRUE(registration::strokesComplete(values, 18));
    values.hal_slag[9] = u"0"_s;
    EXPECT_TRUE(registration::strokesComplete(values, 9));
    EXPECT_FALSE(registration::strokesComplete(values, 18));
    values.hal_slag[8] = QString();
    EXPECT_FALSE(registration::strokesComplete(values, 9));
}

TEST(HandicapParts, SplitsTheLatestRoundsValueForItsBars)
{
    struct Case
    {
        QString text;
        registration::HandicapParts parts;
    };
    const Case cases[] = {
        {u"12.3"_s, {12, 3}}, {u"18.0"_s, {18, 0}}, {u"18"_s, {18, 0}},
        {u""_s, {0, 0}},      {u"abc"_s, {0, 0}},   {u"54.9"_s, {54, 9}},
        {u"60.5"_s, {54, 5}}, {u"-3.5"_s, {0, 5}},  {u"7.25"_s, {7, 5}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(registration::handicapParts(c.text), c.parts) << c.text.toStdString();
}

TEST(CourseHoles, GiveTheLastHoleIndexAndABarMaximumInsideTheSlots)
{
    EXPECT_EQ(registration::lastHoleIndex(u"9"), 8);
    EXPECT_EQ(registration::lastHoleIndex(u"18"), 17);
    EXPECT_EQ(registration::lastHoleIndex(u""), -1);
    EXPECT_EQ(registration::lastHoleIndex(u"99999999999999"), 17); // no row holds more than 18 holes
    EXPECT_EQ(registration::holeBarMaximum(-1), 0);
    EXPECT_EQ(registration::holeBarMaximum(8), 8);
    EXPECT_EQ(registration::holeBarMaximum(26), 17);
}
