#include "store/loading.h"

#include "platform/storemessages.h"

#include "kit/datafiles.h"
#include "kit/memoryfiles.h"
#include "kit/testenv.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMap>

#include <gtest/gtest.h>

#include <array>

using namespace Qt::StringLiterals;
using store::Held;
using store::LoadPlan;
using store::LoadStatus;
using store::WhenEmpty;

namespace {

// The worked example's extended registration as the loader holds it.
const QString kEkbackenExtended = u"M-J---2-N---2-J---1-N---3-J---2-J---2-N---2-J---2-J---1"_s;

// Loads and tells the user, as a window does through platform::loadAndTell.
store::LoadResult loadAndTell(store::Tables &tables, const LoadPlan &plan)
{
    store::LoadResult result = store::load(tables, plan);
    for (const store::FileStatus &status : result.toTell)
        platform::tell(status);
    return result;
}

const QByteArray kEmpty = "-1\r\n";
const QByteArray kEmptyAsText = "\"-1\"\r\n";

const LoadPlan kScorecardPlan{.courses = WhenEmpty::MessageStop,
                              .rounds = WhenEmpty::MessageStop,
                              .strokes = WhenEmpty::MessageStop,
                              .extended = WhenEmpty::MessageContinue};
const LoadPlan kRoundRegisterPlan{.courses = WhenEmpty::MessageContinue, .rounds = WhenEmpty::Silent};
const LoadPlan kAllSilentPlan{.courses = WhenEmpty::Silent,
                              .rounds = WhenEmpty::Silent,
                              .strokes = WhenEmpty::Silent,
                              .extended = WhenEmpty::Silent};

TEST(Loading, WorkedExampleFillsEveryTable)
{
    store::Tables tables;
    MemoryFiles files(ekbackenFiles());
    const store::LoadResult result = loadAndTell(tables, kScorecardPlan);
    EXPECT_TRUE(result.complete);
    EXPECT_FALSE(result.failed);
    EXPECT_TRUE(recorder().messages.empty());
    EXPECT_EQ(files.asked, (QStringList{u"VEMTORBF"_s, u"VERUNDAR"_s, u"VERUNDAH"_s, u"VERUNDAK"_s}));

    ASSERT_EQ(tables.bantabell.size(), std::size_t(store::kMaxCourses));
    const store::CourseRow &course = tables.bantabell[0];
    EXPECT_EQ(course[store::kCourseBannamn], u"Ekbacken"_s);
    EXPECT_EQ(course[store::kCourseAntalHal], u"9"_s);
    EXPECT_EQ(course[std::size_t(store::metresCell(1))], u"312"_s);
    EXPECT_EQ(course[std::size_t(store::parCell(9))], u"4"_s);
    for (int c = 29; c < store::kCourseCells; ++c)
        EXPECT_TRUE(course[std::size_t(c)].isEmpty()) << c;

    ASSERT_GE(tables.rundtabell.size(), std::size_t(store::kMaxRounds));
    EXPECT_EQ(tables.rundtabell[0], (store::RoundRow{u"2004-08-24"_s, u"Ekbacken"_s, u"12.3"_s, u"12.1"_s,
                                                     u"19"_s, u"S"_s, u" "_s, u"9"_s, u"11.0"_s}));
    EXPECT_EQ(tables.slagtabell[0][0], Held::fromText(u"5"_s));
    EXPECT_EQ(tables.slagtabell[0][8], Held::fromText(u"5"_s));
    EXPECT_TRUE(tables.slagtabell[0][9].isNothing());
    EXPECT_EQ(tables.utokad_tabell[0], kEkbackenExtended);
    EXPECT_EQ(tables.sistaCourses, Held::fromNumber(u"0"_s));
    EXPECT_EQ(store::recordCount(tables.sistaRounds), 1);
}

TEST(Loading, EveryLoadEmptiesTheCourseTableAndStrokesAfterTheRoundsHoles)
{
    store::Tables tables;
    tables.bantabell.assign(3, {});
    tables.bantabell[2][store::kCourseBannamn] = u"Borttagen"_s;
    tables.bantabell[0][store::parCell(18)] = u"4"_s;
    tables.slagtabell.assign(1, {});
    tables.slagtabell[0].fill(Held::fromText(u"7"_s));

    MemoryFiles files(ekbackenFiles());
    loadAndTell(tables, kScorecardPlan);
    EXPECT_TRUE(tables.bantabell[2][store::kCourseBannamn].isEmpty());
    EXPECT_TRUE(tables.bantabell[0][store::parCell(18)].isEmpty());
    EXPECT_EQ(tables.slagtabell[0][8], Held::fromText(u"5"_s));
    for (int h = 9; h < store::kMaxHoles; ++h)
        EXPECT_TRUE(tables.slagtabell[0][std::size_t(h)].isNothing()) << h;
    EXPECT_EQ(store::banlista(tables.bantabell, int(tables.bantabell.size())), QStringList{u"Ekbacken"_s});
}

// A reload writes into the cells it read before; copies taken of them must not change.
TEST(Loading, ReloadReplacesCellsAndLeavesEarlierCopiesAlone)
{
    store::Tables tables;
    MemoryFiles files(ekbackenFiles());
    ASSERT_TRUE(loadAndTell(tables, kScorecardPlan).complete);
    const QString name = tables.bantabell[0][store::kCourseBannamn];
    const Held stroke = tables.slagtabell[0][0];
    const QString extended = tables.utokad_tabell[0];

    files.files[u"VEMTORBF"_s] = withLineReplaced(files.files[u"VEMTORBF"_s], 1, "\"\xC5s\"");
    files.files[u"VERUNDAH"_s] = withLineReplaced(files.files[u"VERUNDAH"_s], 1, "12");
    files.files[u"VERUNDAK"_s] = withLineReplaced(files.files[u"VERUNDAK"_s], 1, "\"I\"");
    ASSERT_TRUE(loadAndTell(tables, kScorecardPlan).complete);
    EXPECT_EQ(tables.bantabell[0][store::kCourseBannamn], u"Ås"_s);
    EXPECT_EQ(tables.slagtabell[0][0], Held::fromNumber(u"12"_s));
    EXPECT_EQ(tables.utokad_tabell[0], u"I"_s);
    EXPECT_EQ(name, u"Ekbacken"_s);
    EXPECT_EQ(stroke, Held::fromText(u"5"_s));
    EXPECT_EQ(extended, kEkbackenExtended);
}

// The worked example's files with its round twice.
QMap<QString, QByteArray> twoRoundFiles()
{
    const auto twice = [](const QStringList &lines) {
        return fileBytes(QStringList{u"1"_s} + lines.mid(1) + lines.mid(1));
    };
    return {{u"VEMTORBF"_s, fileBytes(ekbackenCourseLines())},
            {u"VERUNDAR"_s, twice(ekbackenRoundLines())},
            {u"VERUNDAH"_s, twice(ekbackenStrokeLines())},
            {u"VERUNDAK"_s, twice(ekbackenExtendedLines())}};
}

// After any load the accessors give what a load of the same files into fresh tables gives:
// rows past what a file holds now are empty, whatever an earlier load left in them. The
// cases change the files as a user's files may change between two loads of one window.
TEST(Loading, AccessorsShowWhatAFreshLoadOfTheSameFilesShows)
{
    const QByteArray oneRound = fileBytes(ekbackenRoundLines());
    const QByteArray oneStroke = fileBytes(ekbackenStrokeLines());
    const QByteArray oneExtended = fileBytes(ekbackenExtendedLines());
    const struct
    {
        const char *what;
        std::array<int, 4> held;           // courses, rounds, strokes, extended
        QMap<QString, QByteArray> changed; // an empty text: the file is removed
    } cases[] = {
        {"stroke and extended files one record shorter",
         {1, 2, 1, 1},
         {{u"VERUNDAH"_s, oneStroke}, {u"VERUNDAK"_s, oneExtended}}},
        {"stroke file missing", {1, 2, 0, 0}, {{u"VERUNDAH"_s, {}}}},
        {"extended file emptied", {1, 2, 2, 0}, {{u"VERUNDAK"_s, kEmpty}}},
        {"round file one record shorter", {1, 1, 2, 2}, {{u"VERUNDAR"_s, oneRound}}},
        {"round file emptied: nothing after it is read", {1, 0, 0, 0}, {{u"VERUNDAR"_s, kEmpty}}},
        {"stroke file cut inside its second record",
         {1, 2, 1, 2},
         {{u"VERUNDAH"_s, withoutLastLines(twoRoundFiles().value(u"VERUNDAH"_s), 1)}}},
        {"course file missing", {0, 0, 0, 0}, {{u"VEMTORBF"_s, {}}}},
    };
    const LoadPlan showing{.courses = WhenEmpty::Silent,
                           .rounds = WhenEmpty::MessageStop,
                           .strokes = WhenEmpty::Silent,
                           .extended = WhenEmpty::Silent,
                           .afterDamage = store::AfterDamage::ReadOn};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        MemoryFiles first(twoRoundFiles());
        store::Tables reloaded;
        ASSERT_TRUE(store::load(reloaded, showing).complete);
        ASSERT_EQ(store::heldStrokes(reloaded), 2);

        QMap<QString, QByteArray> now = twoRoundFiles();
        for (auto change = c.changed.cbegin(); change != c.changed.cend(); ++change) {
            if (change.value().isEmpty())
                now.remove(change.key());
            else
                now[change.key()] = change.value();
        }
        first.files = now;
        store::load(reloaded, showing);
        store::Tables fresh;
        store::load(fresh, showing);

        EXPECT_EQ((std::array{store::heldCourses(reloaded), store::heldRounds(reloaded),
                              store::heldStrokes(reloaded), store::heldExtended(reloaded)}),
                  c.held);
        for (int row = -1; row <= 2; ++row) {
            SCOPED_TRACE(row);
            EXPECT_EQ(store::courseOf(reloaded, row), store::courseOf(fresh, row));
            EXPECT_EQ(store::parsOf(reloaded, row), store::parsOf(fresh, row));
            EXPECT_EQ(store::strokesOf(reloaded, row), store::strokesOf(fresh, row));
            EXPECT_EQ(store::extendedOf(reloaded, row), store::extendedOf(fresh, row));
        }
        EXPECT_EQ(store::strokesOf(reloaded, c.held[2]), store::StrokeRow{});
        EXPECT_TRUE(store::extendedOf(reloaded, c.held[3]).isEmpty());
    }
}

// The accessors over what a file held: the pars as numbers of the course's own holes.
TEST(Loading, AccessorsGiveTheHeldRowsAndTheParsOfACourse)
{
    store::Tables tables;
    MemoryFiles files(twoRoundFiles());
    ASSERT_TRUE(store::load(tables, kScorecardPlan).complete);
    EXPECT_EQ(store::parsOf(tables, 0), (store::Pars{4, 3, 5, 4, 4, 3, 5, 4, 4}));
    EXPECT_EQ(store::parsOf(tables, 1), store::Pars{});
    EXPECT_EQ(store::courseOf(tables, 0)[store::kCourseBannamn], u"Ekbacken"_s);
    EXPECT_EQ(store::strokesOf(tables, 1)[0], Held::fromText(u"5"_s));
    EXPECT_EQ(store::extendedOf(tables, 1), kEkbackenExtended);
    EXPECT_EQ(store::strokesOf(tables, store::kMaxRounds + 5), store::StrokeRow{});
    EXPECT_TRUE(store::courseOf(tables, -1)[store::kCourseBannamn].isEmpty());
}

TEST(Loading, ReaderToleratesLoneLfBlanksAndJunkAndIgnoresRecordsAfterTheLast)
{
    store::Tables tables;
    tables.rundtabell.assign(1, {});
    tables.rundtabell[0][store::kAntalHal] = u"3"_s;
    tables.sistaRounds = Held::fromNumber(u"0"_s);
    EXPECT_EQ(store::readStrokes(" \"0\" junk\n \"5\"\t\n 4 \r\n\r\n\"9\"\r\n", tables), LoadStatus::Ok);
    EXPECT_EQ(tables.sistaStrokes, Held::fromText(u"0"_s));
    EXPECT_EQ(tables.slagtabell[0][0], Held::fromText(u"5"_s));
    EXPECT_EQ(tables.slagtabell[0][1], Held::fromNumber(u"4"_s));
    EXPECT_TRUE(tables.slagtabell[0][2].isNothing());
    EXPECT_TRUE(tables.slagtabell[0][3].isNothing()); // "9" belongs to no record
}

TEST(Loading, TablesGrowForLongerFilesAndNeverShrink)
{
    QStringList courses{u"119"_s};
    for (int r = 0; r < 120; ++r)
        courses << u"\"Bana %1\""_s.arg(r) << u"\"0\""_s;
    store::Tables tables;
    EXPECT_EQ(store::readCourses(fileBytes(courses), tables, store::kMaxCourses), LoadStatus::Ok);
    EXPECT_EQ(tables.bantabell.size(), 120u);
    EXPECT_EQ(store::banlista(tables.bantabell, 120).size(), 120);
    EXPECT_EQ(tables.bantabell[119][store::kCourseBannamn], u"Bana 119"_s);

    EXPECT_EQ(store::readCourses(fileBytes(ekbackenCourseLines()), tables, 51), LoadStatus::Ok);
    EXPECT_EQ(tables.bantabell.size(), 120u);
    EXPECT_EQ(store::banlista(tables.bantabell, 120), QStringList{u"Ekbacken"_s});
}

TEST(Banlista, ListsRowsUpToTheLowestEmptyName)
{
    std::vector<store::CourseRow> table(5);
    table[0][store::kCourseBannamn] = u"A"_s;
    table[1][store::kCourseBannamn] = u"B"_s;
    table[3][store::kCourseBannamn] = u"D"_s;
    EXPECT_EQ(store::banlista(table, 5), (QStringList{u"A"_s, u"B"_s}));
    table[2][store::kCourseBannamn] = u"C"_s;
    table[4][store::kCourseBannamn] = u"E"_s;
    EXPECT_EQ(store::banlista(table, 5), (QStringList{u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s}));
    EXPECT_EQ(store::banlista(table, 3), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
    EXPECT_TRUE(store::banlista({}, 101).isEmpty());
}

// Which files a plan reads, what it says and whether the window may build its lists.
TEST(Loading, PlansStopOrGoOnAtAnEmptyFile)
{
    const RecordedMessage course{u"Du har inte registrerat någon bana ännu."_s, u"INFORMATION"_s, 48};
    const RecordedMessage round{u"Du har inte registrerat någon runda ännu."_s, u"INFORMATION"_s, 48};
    const RecordedMessage hole{u"Du har inte registrerat något hål ännu."_s, u"INFORMATION"_s, 48};
    const RecordedMessage analysis{u"Du har inte registrerat någon analys ännu."_s, u"INFORMATION"_s, 48};
    const QStringList all{u"VEMTORBF"_s, u"VERUNDAR"_s, u"VERUNDAH"_s, u"VERUNDAK"_s};
    const struct
    {
        const char *name;
        LoadPlan plan;
        QString emptyFile;
        QByteArray emptyBytes;
        QStringList asked;
        std::vector<RecordedMessage> messages;
        bool complete;
    } cases[] = {
        {"scorecard, no course", kScorecardPlan, u"VEMTORBF"_s, kEmpty, {u"VEMTORBF"_s}, {course}, false},
        {"scorecard, no round", kScorecardPlan, u"VERUNDAR"_s, kEmptyAsText, all.mid(0, 2), {round}, false},
        {"scorecard, no stroke", kScorecardPlan, u"VERUNDAH"_s, kEmpty, all.mid(0, 3), {hole}, false},
        {"scorecard, no analysis", kScorecardPlan, u"VERUNDAK"_s, kEmpty, all, {analysis}, true},
        {"round register, no course",
         kRoundRegisterPlan,
         u"VEMTORBF"_s,
         kEmpty,
         all.mid(0, 2),
         {course},
         true},
        {"round register, no round", kRoundRegisterPlan, u"VERUNDAR"_s, kEmpty, all.mid(0, 2), {}, true},
        {"silent", kAllSilentPlan, u"VEMTORBF"_s, kEmpty, all, {}, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        recorder().clear();
        MemoryFiles files(ekbackenFiles());
        files.files[c.emptyFile] = c.emptyBytes;
        store::Tables tables;
        const store::LoadResult result = loadAndTell(tables, c.plan);
        EXPECT_EQ(files.asked, c.asked);
        EXPECT_EQ(recorder().messages, c.messages);
        EXPECT_EQ(result.complete, c.complete);
        EXPECT_FALSE(result.failed);
    }
}

TEST(Loading, MissingFileIsReportedOnceAndEndsTheLoading)
{
    MemoryFiles files(ekbackenFiles());
    files.files.remove(u"VERUNDAH"_s);
    store::Tables tables;
    const store::LoadResult result = loadAndTell(tables, kScorecardPlan);
    EXPECT_EQ(files.asked, (QStringList{u"VEMTORBF"_s, u"VERUNDAR"_s, u"VERUNDAH"_s}));
    EXPECT_EQ(recorder().messages,
              (std::vector<RecordedMessage>{
                  {u"Filen VERUNDAH saknas och kunde inte läsas."_s, u"FELMEDDELANDE"_s, 48}}));
    EXPECT_FALSE(result.complete);
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(tables.rundtabell[0][store::kDatum], u"2004-08-24"_s); // what was read stays
}

TEST(Loading, MissingCourseFileStillEmptiesTheCourseTable)
{
    store::Tables tables;
    tables.bantabell.assign(1, {});
    tables.bantabell[0][store::kCourseBannamn] = u"Gammal"_s;
    MemoryFiles files;
    EXPECT_TRUE(loadAndTell(tables, kScorecardPlan).failed);
    EXPECT_TRUE(store::banlista(tables.bantabell, int(tables.bantabell.size())).isEmpty());
}

// Each damage gives the one message, ends the loading of a window that writes and keeps
// the records read whole.
TEST(Loading, DamagedFilesAreReportedOnceAndReadNoFurther)
{
    const QByteArray course = fileBytes(ekbackenCourseLines());
    const QByteArray round = fileBytes(ekbackenRoundLines());
    const QByteArray twoRounds =
        fileBytes(QStringList{u"1"_s} + ekbackenRoundLines().mid(1) + ekbackenRoundLines().mid(1));
    const QByteArray strokes = fileBytes(ekbackenStrokeLines());
    const struct
    {
        const char *name;
        QString file;
        QByteArray bytes;
        QString damaged;
        int recordsKept;
    } cases[] = {
        {"course cut", u"VEMTORBF"_s, withoutLastLines(course, 1), u"VEMTORBF"_s, 0},
        {"course line 1 no number", u"VEMTORBF"_s, withLineReplaced(course, 0, "\"noll\""), u"VEMTORBF"_s, 0},
        {"course line 1 empty", u"VEMTORBF"_s, withLineReplaced(course, 0, ""), u"VEMTORBF"_s, 0},
        {"course file of zero bytes", u"VEMTORBF"_s, QByteArray(), u"VEMTORBF"_s, 0},
        {"course of 19 holes", u"VEMTORBF"_s, withLineReplaced(course, 2, "\"19\""), u"VEMTORBF"_s, 0},
        {"second course missing", u"VEMTORBF"_s, withLineReplaced(course, 0, "1"), u"VEMTORBF"_s, 1},
        {"huge sista_index", u"VERUNDAR"_s, withLineReplaced(round, 0, "2000000000"), u"VERUNDAR"_s, 1},
        {"second round cut", u"VERUNDAR"_s, withoutLastLines(twoRounds, 3), u"VERUNDAR"_s, 1},
        {"round of 19 holes", u"VERUNDAR"_s, withLineReplaced(round, 8, "\"19\""), u"VERUNDAH"_s, 0},
        {"strokes cut", u"VERUNDAH"_s, withoutLastLines(strokes, 1), u"VERUNDAH"_s, 0},
        // Rows with no round hold records of no strokes: only as many as the round table has.
        {"strokes claim more records than rounds", u"VERUNDAH"_s, withLineReplaced(strokes, 0, "2000000000"),
         u"VERUNDAH"_s, store::kMaxRounds},
        {"extended missing", u"VERUNDAK"_s, "0\r\n", u"VERUNDAK"_s, 0},
        // A line 1 below -1 is no empty file: a save after it would drop the records.
        {"course line 1 below -1", u"VEMTORBF"_s, withLineReplaced(course, 0, "-5"), u"VEMTORBF"_s, 0},
        {"round line 1 \"-2\"", u"VERUNDAR"_s, withLineReplaced(round, 0, "\"-2\""), u"VERUNDAR"_s, 0},
        {"course name of 32768 characters", u"VEMTORBF"_s,
         withLineReplaced(course, 1, '"' + QByteArray(32766, 'a') + '"'), u"VEMTORBF"_s, 0},
        {"second round's date of 10 MB", u"VERUNDAR"_s,
         withLineReplaced(twoRounds, 10, '"' + QByteArray(10'000'000, '1') + '"'), u"VERUNDAR"_s, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        recorder().clear();
        MemoryFiles files(ekbackenFiles());
        files.files[c.file] = c.bytes;
        store::Tables tables;
        const store::LoadResult result = loadAndTell(tables, kAllSilentPlan);
        EXPECT_TRUE(result.failed);
        EXPECT_FALSE(result.complete);
        EXPECT_EQ(files.asked.last(), c.damaged);
        EXPECT_EQ(recorder().messages, (std::vector<RecordedMessage>{
                                           {u"Filen %1 är skadad och kunde inte läsas helt."_s.arg(c.damaged),
                                            u"FELMEDDELANDE"_s, 48}}));
        const Held sista[] = {tables.sistaCourses, tables.sistaRounds, tables.sistaStrokes,
                              tables.sistaExtended};
        EXPECT_EQ(store::recordCount(sista[files.asked.size() - 1]), c.recordsKept);
        EXPECT_LE(tables.rundtabell.size(), std::size_t(store::kMaxRounds));
        // At most the row that the failing record was to fill comes on top.
        EXPECT_LE(tables.slagtabell.size(), std::size_t(store::kMaxRounds) + 1);
        if (c.damaged == u"VEMTORBF"_s) {
            EXPECT_EQ(store::banlista(tables.bantabell, store::kMaxCourses).size(), c.recordsKept);
        }
    }
}

// A window that only shows reads every file on after a damaged one, tells of the first
// damage only, and may list every record read whole.
TEST(Loading, ShowingWindowReadsOnAfterDamage)
{
    const QByteArray twoCourses = fileBytes(QStringList{u"2"_s} + ekbackenCourseLines().mid(1) +
                                            ekbackenCourseLines().mid(1)); // the third is missing
    MemoryFiles files(ekbackenFiles());
    files.files[u"VEMTORBF"_s] = twoCourses;
    files.files[u"VERUNDAK"_s] = "0\r\n";
    store::Tables tables;
    const store::LoadResult result =
        loadAndTell(tables, store::showingPlan(store::kMaxCourses));
    EXPECT_EQ(files.asked, (QStringList{u"VEMTORBF"_s, u"VERUNDAR"_s, u"VERUNDAH"_s, u"VERUNDAK"_s}));
    EXPECT_TRUE(result.complete);
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(recorder().messages,
              (std::vector<RecordedMessage>{
                  {u"Filen VEMTORBF är skadad och kunde inte läsas helt."_s, u"FELMEDDELANDE"_s, 48}}));
    EXPECT_EQ(store::banlista(tables.bantabell), (QStringList{u"Ekbacken"_s, u"Ekbacken"_s}));
    EXPECT_EQ(store::recordCount(tables.sistaRounds), 1);
    EXPECT_EQ(store::recordCount(tables.sistaStrokes), 1);
    EXPECT_EQ(result.files,
              (std::vector<store::FileStatus>{{store::DataFile::Courses, LoadStatus::Damaged},
                                              {store::DataFile::Rounds, LoadStatus::Ok},
                                              {store::DataFile::Strokes, LoadStatus::Ok},
                                              {store::DataFile::Extended, LoadStatus::Damaged}}));
}

// A line of 10 MB is read in time linear in its length.
TEST(Loading, TenMegabyteLineIsReadQuickly)
{
    MemoryFiles files(ekbackenFiles());
    files.files[u"VEMTORBF"_s] =
        withLineReplaced(fileBytes(ekbackenCourseLines()), 1, '"' + QByteArray(10'000'000, 'x') + '"');
    store::Tables tables;
    QElapsedTimer timer;
    timer.start();
    const store::LoadResult result = store::load(tables, kScorecardPlan);
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(result.files.front(), (store::FileStatus{store::DataFile::Courses, LoadStatus::Damaged}));
}

// The real file system reads a file's bytes as they are, and a folder as no file.
TEST(Loading, ReadsTheBytesOfAFileAsTheyAre)
{
    const QByteArray bytes("0\r\n\"a\"\n\"\xE5\"\r\n");
    writeFile(u"VERUNDAK"_s, bytes);
    store::RealFileSystem disk;
    EXPECT_EQ(disk.read(u"VERUNDAK"_s), bytes);
    EXPECT_EQ(disk.read(u"VERUNDAR"_s), std::nullopt);
    ASSERT_TRUE(QDir().mkdir(u"VEMTORBF"_s));
    EXPECT_EQ(disk.read(u"VEMTORBF"_s), std::nullopt);
}

} // namespace
