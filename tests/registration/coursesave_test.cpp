#include "registration/coursesave.h"

#include "kit/datafiles.h"
#include "kit/faultyfs.h"
#include "kit/testenv.h"
#include "platform/storemessages.h"
#include "store/format.h"
#include "store/loading.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::StringLiterals;
using registration::CourseChoice;

namespace {

struct HoleValues
{
    const char16_t *metres;
    const char16_t *strokeIndex;
    const char16_t *par;
};

store::CourseRow rowWithHoles(const std::vector<HoleValues> &holes)
{
    store::CourseRow row;
    for (int hole = 1; hole <= static_cast<int>(holes.size()); ++hole) {
        row[store::metresCell(hole)] = QString::fromUtf16(holes[hole - 1].metres);
        row[store::strokeIndexCell(hole)] = QString::fromUtf16(holes[hole - 1].strokeIndex);
        row[store::parCell(hole)] = QString::fromUtf16(holes[hole - 1].par);
    }
    return row;
}

std::vector<HoleValues> completeHoles(int count)
{
    return std::vector<HoleValues>(count, {u"300", u"5", u"4"});
}

} // namespace

TEST(StatusTexts, FreeRowsTellHowManyCoursesThereAre)
{
    struct Case
    {
        int sistaBana;
        int firstFreeRow;
        QString text;
    };
    const Case cases[] = {
        {-1, 0, u"Inga filer är registrerad sedan tidigare."_s},
        {0, 1, u"Totalt  1 filer är registrerad."_s},
        {2, 3, u"Totalt  3 filer är registrerad."_s},
        {99, 100, u"Totalt  100 filer är registrerad."_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.sistaBana);
        std::vector<store::CourseRow> table(store::kMaxCourses);
        for (int row = 0; row < c.firstFreeRow; ++row)
            table[row][store::kCourseBannamn] = u"Bana"_s;
        registration::writeStatusTexts(table, c.sistaBana);
        for (int row = 0; row < store::kMaxCourses; ++row)
            ASSERT_EQ(table[row][store::kCourseBannamn], row < c.firstFreeRow ? u"Bana"_s : c.text)
                << "row " << row;
    }
}

TEST(StatusTexts, NoRowBeyondTheHundredAndFirstGetsOne)
{
    std::vector<store::CourseRow> table(store::kMaxCourses + 5);
    for (int row = 0; row <= 100; ++row)
        table[row][store::kCourseBannamn] = u"Bana"_s;
    registration::writeStatusTexts(table, 100);
    for (const store::CourseRow &row : table)
        EXPECT_TRUE(row[store::kCourseBannamn].isEmpty() || row[store::kCourseBannamn] == u"Bana"_s);

    std::vector<store::CourseRow> empty(store::kMaxCourses + 5);
    registration::writeStatusTexts(empty, -1);
    EXPECT_EQ(empty[100][store::kCourseBannamn], registration::noCourseText());
    EXPECT_TRUE(empty[101][store::kCourseBannamn].isEmpty());
}

TEST(LastCourseRow, FollowsLineOneButNeverPassesTheTable)
{
    store::Tables tables;
    tables.bantabell.resize(store::kMaxCourses);
    const struct
    {
        store::Held sista;
        int expected;
    } cases[] = {
        {store::Held::fromNumber(u"-1"_s), -1},   {store::Held::fromText(u"-1"_s), -1},
        {store::Held::fromNumber(u"-7"_s), -1},   {store::Held::fromNumber(u"2"_s), 2},
        {store::Held::fromNumber(u"500"_s), 100}, {store::Held{}, -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.sista.text.toStdString());
        tables.sistaCourses = c.sista;
        EXPECT_EQ(registration::lastCourseRow(tables), c.expected);
    }
}

TEST(CourseNames, RowsAndNamesThatReadAsFree)
{
    const struct
    {
        QString name;
        bool free;
    } cases[] = {
        {QString(), true},      {u"Totalt  3 filer är registrerad."_s, true},
        {u"Totalt x"_s, true},  {u"Inga filer är registrerad sedan tidigare."_s, true},
        {u"Totalt"_s, false},   {u" Totalt x"_s, false},
        {u"Ekbacken"_s, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        store::CourseRow row;
        row[store::kCourseBannamn] = c.name;
        EXPECT_EQ(registration::isFreeRow(row), c.free);
        if (!c.name.isEmpty()) {
            EXPECT_EQ(registration::isReservedName(c.name), c.free);
        }
    }
}

TEST(CourseNames, AtMostOneHundredAndOneCourses)
{
    EXPECT_TRUE(registration::canAddCourse(-1));
    EXPECT_TRUE(registration::canAddCourse(99));
    EXPECT_FALSE(registration::canAddCourse(100));
    EXPECT_FALSE(registration::canAddCourse(150));
}

TEST(NameKeys, MirrorTypingAndBackspaceAndSwallowQuotes)
{
    const struct
    {
        QString before;
        int code;
        QString after;
        int passed;
    } cases[] = {
        {u"Ek"_s, 'b', u"Ekb"_s, 'b'}, {u"Ek"_s, ' ', u"Ek "_s, ' '}, {u"Ek"_s, 0xE5, u"Ekå"_s, 0xE5},
        {u"Ek"_s, 8, u"E"_s, 8},       {QString(), 8, QString(), 8},  {u"Ek"_s, '"', u"Ek"_s, 0},
        {u"Ek"_s, 13, u"Ek"_s, 13},    {u"Ek"_s, 27, u"Ek"_s, 27},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.code);
        QString name = c.before;
        EXPECT_EQ(registration::nameKey(name, c.code), c.passed);
        EXPECT_EQ(name, c.after);
    }
}

TEST(OkDecision, FirstRuleThatAppliesDecides)
{
    const struct
    {
        bool nameGiven;
        bool optionChosen;
        bool rowFree;
        int sistaBana;
        CourseChoice expected;
    } cases[] = {
        {true, false, false, -1, CourseChoice::NewCourse}, {true, true, true, 5, CourseChoice::NewCourse},
        {false, false, false, 5, CourseChoice::Beep},      {false, true, true, 5, CourseChoice::Beep},
        {false, true, false, -1, CourseChoice::Beep},      {false, true, false, 0, CourseChoice::Change},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.nameGiven << c.optionChosen << c.rowFree << c.sistaBana);
        EXPECT_EQ(registration::decideCourse(c.nameGiven, c.optionChosen, c.rowFree, c.sistaBana),
                  c.expected);
    }
}

TEST(HoleCount, StopsAtTheFirstIncompleteHole)
{
    const struct
    {
        const char *what;
        std::vector<HoleValues> holes;
        int expected;
    } cases[] = {
        {"nothing entered", {}, 0},
        {"nine holes", completeHoles(9), 9},
        {"eighteen holes", completeHoles(18), 18},
        {"ten holes", completeHoles(10), 10},
        {"seventeen holes", completeHoles(17), 17},
        {"metres never moved on hole 2", {{u"300", u"5", u"4"}, {u"", u"5", u"4"}, {u"300", u"5", u"4"}}, 1},
        {"one metre with empty index", {{u"300", u"5", u"4"}, {u"1", u"", u"4"}}, 1},
        {"one metre moved back, index and par set", {{u"1", u"1", u"1"}, {u"300", u"5", u"4"}}, 2},
        {"leading number only", {{u"300x", u"5 ", u" 4"}}, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        store::CourseRow row = rowWithHoles(c.holes);
        EXPECT_EQ(registration::countCompleteHoles(row), c.expected);
    }
}

TEST(HoleCount, FillsIndexAndParOfLongHolesUpToTheStop)
{
    store::CourseRow row =
        rowWithHoles({{u"300", u"", u""}, {u"200", u"0", u"4"}, {u"1", u"", u""}, {u"400", u"", u""}});
    const store::CourseRow before = row;
    EXPECT_EQ(registration::countCompleteHoles(row), 2);

    store::CourseRow expected = before;
    expected[store::strokeIndexCell(1)] = u"1"_s;
    expected[store::parCell(1)] = u"1"_s;
    expected[store::strokeIndexCell(2)] = u"1"_s;
    EXPECT_EQ(row, expected); // hole 3 stops the count; hole 4 is not touched
}

namespace {

// The course register's save, as its OK button makes it: one file, whole or not at all.
TEST(CourseSave, IsWholeWhereverItFailsOrStops)
{
    const auto saveCourses = [] {
        store::Tables tables;
        ASSERT_EQ(store::readCourses(readFile(u"VEMTORBF"_s), tables, store::kMaxCourses), store::LoadStatus::Ok);
        tables.bantabell.push_back(tables.bantabell.front());
        tables.bantabell.back()[store::kCourseBannamn] = u"Ekbacken igen"_s;
        platform::saveChange(registration::newCourseFile(tables.bantabell, 2));
    };
    expectWholeAtEveryStep(writeEkbacken, saveCourses, {u"VEMTORBF"_s});
}

} // namespace
