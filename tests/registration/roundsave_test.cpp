#include "registration/roundsave.h"

#include "kit/datafiles.h"
#include "kit/faultyfs.h"
#include "kit/testenv.h"
#include "platform/storemessages.h"
#include "store/loading.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The strokes of a round of `holes` holes: from `first` upwards, so a round that is moved
// without its own strokes shows.
QList<int> strokesFrom(int first, int holes)
{
    QList<int> strokes;
    for (int hole = 0; hole < holes; ++hole)
        strokes.append(first + hole % 4);
    return strokes;
}

// A round as it stands in the three files, as save() enters it.
RoundRecord roundOn(const QString &datum, const QString &course, int holes, int strokes)
{
    return {.date = datum,
            .course = course,
            .strokes = strokesFrom(strokes, holes),
            .hcpFore = u"10.2"_s,
            .hcpEfter = u"10.4"_s,
            .points = u"30"_s,
            .playType = u"S"_s,
            .slopeHcp = u"8.0"_s};
}

RoundFiles expectedFiles(const QList<RoundRecord> &rounds)
{
    const RoundFileLines lines = roundFileLines(rounds);
    return {fileBytes(lines.rounds), fileBytes(lines.strokes), fileBytes(lines.extended)};
}

// What the register would hold for the round: year, month and day as typed.
struct Entry
{
    QString year, month, day;
    QString course = u"Ek"_s;
    int holes = 9;
    int strokes = 3;
    QString level = u"INGEN"_s;
};

// What a press on the register's save came to.
enum class SaveOutcome { Saved, NotSaved, HoleCountFailure, StrokesFailure };

// The save as the register makes it: the round files read again, the round added, the files
// saved through the one save of the windows.
SaveOutcome save(const Entry &entry)
{
    const registration::RoundInput input{.year = entry.year,
                                         .month = entry.month,
                                         .day = entry.day,
                                         .course = entry.course,
                                         .hcpForeWhole = u"10"_s,
                                         .hcpForeTenth = u"2"_s,
                                         .hcpEfterWhole = u"10"_s,
                                         .hcpEfterTenth = u"4"_s,
                                         .slopeWhole = u"8"_s,
                                         .slopeTenth = u"0"_s,
                                         .points = u"30"_s,
                                         .playType = u"Sällskap"_s,
                                         .note = QString(),
                                         .level = entry.level,
                                         .sista_hal = entry.holes - 1};
    registration::HoleValues values;
    const QList<int> strokes = strokesFrom(entry.strokes, entry.holes);
    for (int hole = 0; hole < entry.holes; ++hole)
        values.hal_slag[hole] = QString::number(strokes[hole]);
    store::Tables tables;
    if (platform::loadAndTell(tables, registration::kRoundSavePlan).failed)
        return SaveOutcome::NotSaved;
    const registration::NewRound added = registration::addRound(tables, input, values);
    switch (added.error) {
    case registration::RoundError::HoleCount:
        return SaveOutcome::HoleCountFailure;
    case registration::RoundError::Strokes:
        return SaveOutcome::StrokesFailure;
    case registration::RoundError::None:
        break;
    }
    return platform::saveChange(added.change) ? SaveOutcome::Saved : SaveOutcome::NotSaved;
}

// Saves into files that hold `stored` and expects all rounds in the order of `expected`.
void expectSortedSave(const QList<RoundRecord> &stored, const Entry &entry,
                      const QList<RoundRecord> &expected)
{
    writeRoundFiles(stored);
    ASSERT_EQ(save(entry), SaveOutcome::Saved);
    const RoundFiles files = filesOnDisk();
    const RoundFiles wanted = expectedFiles(expected);
    EXPECT_EQ(files.rounds, wanted.rounds);
    EXPECT_EQ(files.strokes, wanted.strokes);
    EXPECT_EQ(files.extended, wanted.extended);
    EXPECT_TRUE(recorder().messages.empty());
}

const RoundRecord kMay = roundOn(u"2004-05-01"_s, u"A"_s, 9, 3);
const RoundRecord kJune = roundOn(u"2004-06-01"_s, u"B"_s, 9, 4);
const RoundRecord kJuly = roundOn(u"2004-07-01"_s, u"C"_s, 9, 5);

} // namespace

TEST(RoundSave, KeepsANewLatestRoundLast)
{
    expectSortedSave({kMay, kJune}, {u"2004"_s, u"7"_s, u"1"_s, u"N"_s, 9, 6},
                     {kMay, kJune, roundOn(u"2004-07-01"_s, u"N"_s, 9, 6)});
}

TEST(RoundSave, PutsARoundOfTheLatestDateAfterTheStoredOne)
{
    expectSortedSave({kMay, kJune}, {u"2004"_s, u"6"_s, u"1"_s, u"N"_s, 9, 6},
                     {kMay, kJune, roundOn(u"2004-06-01"_s, u"N"_s, 9, 6)});
}

TEST(RoundSave, MovesANewRoundBetweenStoredOnes)
{
    expectSortedSave({kMay, kJuly}, {u"2004"_s, u"6"_s, u"15"_s, u"N"_s, 9, 6},
                     {kMay, roundOn(u"2004-06-15"_s, u"N"_s, 9, 6), kJuly});
}

TEST(RoundSave, ExchangesEqualDatesWhenAnEarlierRoundPassesThem)
{
    const RoundRecord a = roundOn(u"2004-06-01"_s, u"A"_s, 9, 3);
    const RoundRecord b = roundOn(u"2004-06-01"_s, u"B"_s, 9, 4);
    expectSortedSave({a, b}, {u"2004"_s, u"5"_s, u"1"_s, u"C"_s, 9, 6},
                     {roundOn(u"2004-05-01"_s, u"C"_s, 9, 6), b, a});
}

TEST(RoundSave, SortsATwoDigitYearBeforeEveryFourDigitYear)
{
    expectSortedSave({kMay, kJune}, {u"04"_s, u"05"_s, u"07"_s, u"N"_s, 9, 6},
                     {roundOn(u"04-05-07"_s, u"N"_s, 9, 6), kMay, kJune});
}

TEST(RoundSave, MovesEachRoundWithAllItsStrokes)
{
    // C passes A and B; then A (18 holes) passes B (9 holes).
    const RoundRecord a = roundOn(u"2004-06-01"_s, u"A"_s, 18, 2);
    const RoundRecord b = roundOn(u"2004-07-01"_s, u"B"_s, 9, 5);
    expectSortedSave({a, b}, {u"2004"_s, u"05"_s, u"01"_s, u"C"_s, 9, 7},
                     {roundOn(u"2004-05-01"_s, u"C"_s, 9, 7), a, b});
}

TEST(RoundSave, WritesTheFirstRoundOverQuotedEmptyFiles)
{
    writeQuotedEmptyRoundFiles();
    expectSortedSave({}, {u"2004"_s, u"8"_s, u"24"_s, u"N"_s, 18, 4},
                     {roundOn(u"2004-08-24"_s, u"N"_s, 18, 4)});
}

TEST(RoundSave, EveryRefusalLeavesTheFilesAsTheyWere)
{
    struct Case
    {
        const char *what;
        Entry entry;
        SaveOutcome outcome;
    };
    Entry noStrokes{u"2004"_s, u"7"_s, u"1"_s};
    noStrokes.strokes = 0;
    Entry twelveHoles{u"2004"_s, u"7"_s, u"1"_s};
    twelveHoles.holes = 12;
    Entry twelveWithoutStrokes = twelveHoles;
    twelveWithoutStrokes.strokes = 0;
    Entry unknownLevel{u"2004"_s, u"7"_s, u"1"_s};
    unknownLevel.level = u"MEDEL"_s;
    const Case cases[] = {
        {"a hole without strokes", noStrokes, SaveOutcome::StrokesFailure},
        {"twelve holes", twelveHoles, SaveOutcome::HoleCountFailure},
        {"twelve holes before the strokes", twelveWithoutStrokes, SaveOutcome::HoleCountFailure},
        {"an unknown level", unknownLevel, SaveOutcome::HoleCountFailure},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        writeRoundFiles({kMay, kJune});
        const RoundFiles before = filesOnDisk();
        EXPECT_EQ(save(c.entry), c.outcome);
        EXPECT_EQ(filesOnDisk(), before);
        EXPECT_TRUE(recorder().messages.empty());
    }
}

TEST(RoundSave, RefusesFilesThatCannotBeReadWhole)
{
    struct Case
    {
        const char *what;
        void (*damage)();
        QString message;
    };
    const Case cases[] = {
        {"missing stroke file", [] { QFile::remove(u"VERUNDAH"_s); },
         u"Filen VERUNDAH saknas och kunde inte läsas."_s},
        {"extended file cut short",
         [] { writeFile(u"VERUNDAK"_s, withoutLastLines(readFile(u"VERUNDAK"_s), 1)); },
         u"Filen VERUNDAK är skadad och kunde inte läsas helt."_s},
        {"round file without a number on line 1",
         [] { writeFile(u"VERUNDAR"_s, withLineReplaced(readFile(u"VERUNDAR"_s), 0, "x")); },
         u"Filen VERUNDAR är skadad och kunde inte läsas helt."_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        recorder().clear();
        writeRoundFiles({kMay, kJune});
        c.damage();
        const RoundFiles before = filesOnDisk();
        EXPECT_EQ(save({u"2004"_s, u"7"_s, u"1"_s}), SaveOutcome::NotSaved);
        EXPECT_EQ(filesOnDisk(), before);
        EXPECT_EQ(recorder().messageTexts(), QStringList{c.message});
    }
}

TEST(RoundSave, RefusesRoundFilesOfDifferentLengths)
{
    writeRoundFiles({kMay, kJune});
    const RoundFileLines one = roundFileLines({kMay});
    writeLines(u"VERUNDAK"_s, one.extended);
    const RoundFiles before = filesOnDisk();
    EXPECT_EQ(save({u"2004"_s, u"7"_s, u"1"_s}), SaveOutcome::NotSaved);
    EXPECT_EQ(filesOnDisk(), before);
    ASSERT_EQ(recorder().messages.size(), 1u);
    EXPECT_EQ(recorder().messages[0],
              (RecordedMessage{
                  u"Filerna VERUNDAR, VERUNDAH och VERUNDAK har olika antal rundor. Ingenting har sparats."_s,
                  u"FELMEDDELANDE"_s, 48}));
}

// A text as long as the loader takes: saved so that it reads back whole, or not saved at all.
TEST(RoundSave, WritesALongTextBackWholeOrWritesNothing)
{
    for (const LongItem &item : longItems()) {
        SCOPED_TRACE(item.what);
        recorder().clear();
        writeRoundFiles({kMay});
        writeFile(u"VERUNDAR"_s, withLineReplaced(readFile(u"VERUNDAR"_s), 7, item.line)); // its rundinfo
        const RoundFiles before = filesOnDisk();
        if (item.writable) {
            EXPECT_EQ(save({u"2004"_s, u"7"_s, u"1"_s}), SaveOutcome::Saved);
            store::Tables tables;
            EXPECT_FALSE(store::load(tables, {.rounds = store::WhenEmpty::Silent}).failed);
            EXPECT_EQ(tables.rundtabell.at(0)[store::kRundinfo], item.text);
            EXPECT_EQ(tables.rundtabell.at(1)[store::kDatum], u"2004-07-01"_s);
            EXPECT_TRUE(recorder().messages.empty());
        } else {
            EXPECT_EQ(save({u"2004"_s, u"7"_s, u"1"_s}), SaveOutcome::NotSaved);
            EXPECT_EQ(filesOnDisk(), before);
            EXPECT_EQ(recorder().messageTexts(),
                      QStringList{u"Filen VERUNDAR kunde inte sparas. Ingenting har ändrats."_s});
        }
    }
}

TEST(RoundSave, RefusesA2002ndRound)
{
    QList<RoundRecord> full(2001, kMay);
    writeRoundFiles(full);
    const RoundFiles before = filesOnDisk();
    EXPECT_EQ(save({u"2004"_s, u"7"_s, u"1"_s}), SaveOutcome::NotSaved);
    EXPECT_EQ(filesOnDisk(), before);
    ASSERT_EQ(recorder().messages.size(), 1u);
    EXPECT_EQ(recorder().messages[0],
              (RecordedMessage{u"Du kan inte registrera fler än 2001 rundor. Rundan sparades inte."_s,
                               u"FELMEDDELANDE"_s, 48}));
}

TEST(RoundSave, TakesThe2001stRound)
{
    const QList<RoundRecord> stored(2000, kJune);
    QList<RoundRecord> expected{roundOn(u"2004-05-01"_s, u"N"_s, 9, 6)};
    expected.append(stored);
    expectSortedSave(stored, {u"2004"_s, u"5"_s, u"1"_s, u"N"_s, 9, 6}, expected);
}

namespace {

// The three files replaced together: a failing step or a process ended at any step leaves
// the old set or the new set, and the next start finishes what was committed.
TEST(RoundSave, IsWholeWhereverItFailsOrStops)
{
    const Entry entry{u"2004"_s, u"5"_s, u"1"_s, u"Ekbacken"_s, 9, 4};
    expectWholeAtEveryStep(
        writeEkbacken, [&entry] { save(entry); }, {u"VERUNDAR"_s, u"VERUNDAH"_s, u"VERUNDAK"_s},
        [&entry] { ASSERT_EQ(save(entry), SaveOutcome::Saved); });
}

} // namespace
