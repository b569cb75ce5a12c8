#include "store/writing.h"

#include "store/loading.h"
#include "kit/datafiles.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using store::Held;

namespace {

TEST(Writing, WorkedExampleIsWrittenBackByteForByte)
{
    const QByteArray course = fileBytes(ekbackenCourseLines());
    const QByteArray rounds = fileBytes(ekbackenRoundLines());
    const QByteArray strokes = fileBytes(ekbackenStrokeLines());
    const QByteArray extended = fileBytes(ekbackenExtendedLines());
    store::Tables tables;
    ASSERT_EQ(store::readCourses(course, tables, store::kMaxCourses), store::LoadStatus::Ok);
    ASSERT_EQ(store::readRounds(rounds, tables), store::LoadStatus::Ok);
    ASSERT_EQ(store::readStrokes(strokes, tables), store::LoadStatus::Ok);
    ASSERT_EQ(store::readExtended(extended, tables), store::LoadStatus::Ok);

    EXPECT_EQ(store::courseFileBytes(tables.bantabell, store::recordCount(tables.sistaCourses)), course);
    const store::RoundFileBytes written =
        store::roundFileBytes(tables, store::recordCount(tables.sistaRounds));
    EXPECT_EQ(written.rounds, rounds);
    EXPECT_EQ(written.strokes, strokes);
    EXPECT_EQ(written.extended, extended);
}

TEST(Writing, EmptyDataFilesInBothLineOneForms)
{
    EXPECT_EQ(store::emptyDataFile(store::LineOneForm::Number), QByteArray("-1\r\n"));
    EXPECT_EQ(store::emptyDataFile(store::LineOneForm::Text), QByteArray("\"-1\"\r\n"));
    EXPECT_EQ(store::courseFileBytes({}, 0), QByteArray("-1\r\n"));
}

TEST(Writing, CoursesGetTheirHoleCellsAndStrokesTheirHeldFormPerRoundLength)
{
    std::vector<store::CourseRow> courses(3);
    courses[0][0] = u" Åby "_s;
    courses[0][1] = u"18"_s;
    courses[1][0] = u"Kort"_s;
    courses[1][1] = u"9"_s;
    QStringList expected{u"1"_s, u"\" Åby \""_s, u"\"18\""_s};
    for (int c = 2; c < store::kCourseCells; ++c) {
        courses[0][std::size_t(c)] = QString::number(c);
        expected << u"\"%1\""_s.arg(c);
        courses[1][std::size_t(c)] = u"x"_s; // cells after a 9-hole course's holes are not written
    }
    expected << u"\"Kort\""_s << u"\"9\""_s;
    for (int c = 2; c < 29; ++c)
        expected << u"\"x\""_s;
    courses[2][0] = u"Not counted"_s;
    EXPECT_EQ(store::courseFileBytes(courses, 2), fileBytes(expected));

    store::Tables tables;
    tables.rundtabell.resize(2);
    tables.slagtabell.resize(2);
    tables.utokad_tabell.resize(2);
    tables.rundtabell[0][store::kAntalHal] = u"2"_s;
    tables.rundtabell[1][store::kAntalHal] = u"3"_s;
    tables.slagtabell[0] = {Held::fromText(u"5"_s), Held::fromNumber(u"4"_s), Held::fromText(u"9"_s)};
    tables.slagtabell[1] = {Held::fromNumber(u"3"_s), Held{}, Held::fromText(u"6"_s)};
    EXPECT_EQ(store::roundFileBytes(tables, 2).strokes, QByteArray("1\r\n\"5\"\r\n4\r\n3\r\n\r\n\"6\"\r\n"));
}

} // namespace

TEST(HolesOf, IndexesAtMostEighteenCells)
{
    const std::pair<QString, int> cases[] = {{u"9"_s, 9},  {u"18"_s, 18},  {u"27"_s, 18},
                                             {u"-3"_s, 0}, {QString(), 0}, {u"9.5"_s, 9}};
    for (const auto &[text, holes] : cases)
        EXPECT_EQ(store::holesOf(text), holes) << text.toStdString();
}
