#include "maintenance/deletion.h"
#include "tabortfiles.h"

#include "store/loading.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tabortfiles;

namespace {

// The tables as the deletion window reads them: the course file, when given, into its 51
// rows, then the three round files.
store::Tables loaded(const FourFiles &files)
{
    store::Tables tables;
    if (!files.courses.isEmpty()) {
        EXPECT_NE(store::readCourses(files.courses, tables, 51), store::LoadStatus::Damaged);
    }
    EXPECT_NE(store::readRounds(files.rounds, tables), store::LoadStatus::Damaged);
    EXPECT_NE(store::readStrokes(files.strokes, tables), store::LoadStatus::Damaged);
    EXPECT_NE(store::readExtended(files.extended, tables), store::LoadStatus::Damaged);
    return tables;
}

// The written contents by file name; the course file stays empty in round mode.
FourFiles written(const std::vector<store::FileContent> &contents)
{
    FourFiles files;
    QStringList order;
    for (const store::FileContent &file : contents) {
        order << file.name;
        QByteArray &target = file.name == u"VEMTORBF"_s   ? files.courses
                             : file.name == u"VERUNDAR"_s ? files.rounds
                             : file.name == u"VERUNDAH"_s ? files.strokes
                                                          : files.extended;
        target = file.bytes;
    }
    const QStringList roundOrder{u"VERUNDAR"_s, u"VERUNDAH"_s, u"VERUNDAK"_s};
    EXPECT_TRUE(order == roundOrder || order == QStringList{u"VEMTORBF"_s} + roundOrder)
        << order.join(u' ').toStdString();
    return files;
}

FourFiles afterRoundDeletion(const FourFiles &before, const maintenance::DeletionDate &date)
{
    const store::FileChange change = maintenance::deleteRoundsOfDate(loaded(before), date);
    EXPECT_EQ(change.refusal, store::Refusal::None);
    return written(change.files);
}

FourFiles afterCourseDeletion(const FourFiles &before, const QString &name)
{
    const store::FileChange change = maintenance::deleteCourse(loaded(before), name);
    EXPECT_EQ(change.refusal, store::Refusal::None);
    return written(change.files);
}

const maintenance::DeletionDate k20040824{u"2004-08-24"_s, u"04-08-24"_s};

TEST(DeletionDate, MonthAndDayGetTwoDigitsAndTheShortFormTakesTheYearsLastTwo)
{
    EXPECT_EQ(maintenance::twoDigitCaption(u"8"_s), u"08"_s);
    EXPECT_EQ(maintenance::twoDigitCaption(u"12"_s), u"12"_s);
    const maintenance::DeletionDate date = maintenance::deletionDate(u"2004"_s, u"08"_s, u"24"_s);
    EXPECT_EQ(date.full, k20040824.full);
    EXPECT_EQ(date.shortForm, k20040824.shortForm);
    EXPECT_EQ(maintenance::deletionDate(u"2100"_s, u"01"_s, u"01"_s).shortForm, u"00-01-01"_s);
}

TEST(EarliestYear, ReadsBothDateFormsAndRefusesAnyOtherLength)
{
    struct Case
    {
        QStringList dates;
        std::optional<int> year;
    } cases[] = {
        {{}, 2100},
        {{u"2004-08-24"_s}, 2004},
        {{u"2003-05-01"_s, u"04-08-24"_s, u"2005-01-01"_s}, 1904},
        {{u"1985-06-30"_s, u"1999-01-01"_s}, 1985},
        {{u"2003-05-01"_s, u"2004-8-24"_s}, std::nullopt},
        {{u"2003-05-01"_s, u""_s}, std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.dates.join(u',').toStdString());
        std::vector<RoundRecord> rounds;
        for (const QString &date : c.dates)
            rounds.push_back(roundOn(date, u"Ek"_s));
        EXPECT_EQ(maintenance::earliestYear(loaded(allBytes({{u"Ek"_s}}, rounds))), c.year);
    }
}

TEST(RoundDeletion, EveryRoundOfTheDateGoesInBothFormsWhateverItsCourse)
{
    const std::vector<RoundRecord> rounds = numberedRounds({
        roundOn(u"2003-05-01"_s, u"Ek"_s),
        roundOn(u"04-08-24"_s, u"Ek"_s),
        roundOn(u"2004-08-24"_s, u"Björk"_s, 18),
        roundOn(u"2004-08-24"_s, u"Ek"_s, 9, u" "_s, true),
        roundOn(u"2004-08-25"_s, u"Björk"_s, 9, u"2004-08-24"_s), // only the note holds the date
        roundOn(u"1904-08-24"_s, u"Ek"_s, 18, u" "_s, true),
        roundOn(u"2004-08-24 "_s, u"Ek"_s),
    });
    const FourFiles before = allBytes({{u"Ek"_s}, {u"Björk"_s, 18}}, rounds);
    const FourFiles expected = roundBytes({rounds[0], rounds[4], rounds[5], rounds[6]});

    EXPECT_EQ(afterRoundDeletion(before, k20040824), expected);
}

TEST(RoundDeletion, NothingOnTheDateWritesTheSameBytes)
{
    const FourFiles before = roundBytes(numberedRounds({roundOn(u"2003-05-01"_s, u"Ek"_s),
                                                        roundOn(u"2004-08-24"_s, u"Ek"_s, 18, u" "_s, true),
                                                        roundOn(u"2004-08-24"_s, u"Björk"_s)}));
    EXPECT_EQ(afterRoundDeletion(before, {u"2004-08-23"_s, u"04-08-23"_s}), before);
}

TEST(CourseDeletion, EveryRowOfTheNameGoesWithEveryRoundOnIt)
{
    const std::vector<Course> courses =
        numberedCourses({{u"Ek"_s}, {u"Björk"_s, 18}, {u"Ek"_s, 18}, {u"Ekbacken"_s}});
    const std::vector<RoundRecord> rounds = numberedRounds({
        roundOn(u"2003-05-01"_s, u"Ek"_s),
        roundOn(u"2003-06-01"_s, u"Björk"_s, 18, u"Ek"_s),
        roundOn(u"2004-08-24"_s, u"Ek"_s, 18, u" "_s, true),
        roundOn(u"2004-08-24"_s, u"Ekbacken"_s),
        roundOn(u"2005-01-01"_s, u"ek"_s),
    });
    const FourFiles before = allBytes(courses, rounds);

    FourFiles expected = roundBytes({rounds[1], rounds[3], rounds[4]});
    expected.courses = courseBytes({courses[1], courses[3]});
    EXPECT_EQ(afterCourseDeletion(before, u"Ek"_s), expected);
}

TEST(CourseDeletion, ACourseWithoutRoundsGoesAndTheRoundFilesStayAsTheyWere)
{
    const std::vector<Course> courses = numberedCourses({{u"Ek"_s}, {u"Tall"_s, 18}, {u"Björk"_s}});
    const FourFiles before =
        allBytes(courses, numberedRounds({roundOn(u"2003-05-01"_s, u"Ek"_s),
                                          roundOn(u"2004-08-24"_s, u"Björk"_s, 9, u"Tall"_s, true)}));

    FourFiles expected = before;
    expected.courses = courseBytes({courses[0], courses[2]});
    EXPECT_EQ(afterCourseDeletion(before, u"Tall"_s), expected);
}

TEST(CourseDeletion, TheEmptyNameOfARowPastTheLastCourseChangesNothing)
{
    const FourFiles before = allBytes(
        numberedCourses({{u"Ek"_s}, {u"Björk"_s, 18}}),
        numberedRounds({roundOn(u"2003-05-01"_s, u"Ek"_s), roundOn(u"2004-08-24"_s, u"Björk"_s, 18)}));
    EXPECT_EQ(afterCourseDeletion(before, QString()), before);
}

TEST(CourseDeletion, CoursesPastTheChoosersFiftyOneRowsAreKept)
{
    std::vector<Course> courses;
    for (int i = 0; i < 60; ++i)
        courses.push_back({u"Bana %1"_s.arg(i), i % 2 ? 18 : 9, i});
    const std::vector<RoundRecord> rounds =
        numberedRounds({roundOn(u"2003-05-01"_s, u"Bana 55"_s), roundOn(u"2003-05-02"_s, u"Bana 3"_s, 18),
                        roundOn(u"2003-05-03"_s, u"Bana 59"_s)});
    const FourFiles before = allBytes(courses, rounds);

    FourFiles expected = roundBytes({rounds[1], rounds[2]});
    std::vector<Course> kept = courses;
    kept.erase(kept.begin() + 55);
    expected.courses = courseBytes(kept);
    EXPECT_EQ(afterCourseDeletion(before, u"Bana 55"_s), expected);
}

TEST(Deletion, LineOneIsWrittenAsABareNumberWhateverFormItWasReadIn)
{
    const std::vector<Course> courses = numberedCourses({{u"Ek"_s}, {u"Björk"_s}});
    const std::vector<RoundRecord> rounds =
        numberedRounds({roundOn(u"2004-08-24"_s, u"Ek"_s), roundOn(u"2005-01-01"_s, u"Björk"_s)});
    const FourFiles emptyQuoted = allBytes({}, {}, LineOneForm::Text);
    const FourFiles emptyBare = allBytes({}, {});

    EXPECT_EQ(afterCourseDeletion(emptyQuoted, QString()), emptyBare);
    EXPECT_EQ(afterRoundDeletion(emptyQuoted, k20040824), roundBytes({}));

    const FourFiles quoted = allBytes(courses, rounds, LineOneForm::Text);
    EXPECT_EQ(afterRoundDeletion(quoted, k20040824), roundBytes({rounds[1]}));
    FourFiles expected = roundBytes({rounds[1]});
    expected.courses = courseBytes({courses[1]});
    EXPECT_EQ(afterCourseDeletion(quoted, u"Ek"_s), expected);
}

TEST(Deletion, RoundFilesOfDifferentLengthsAreNotRewritten)
{
    const std::vector<RoundRecord> rounds =
        numberedRounds({roundOn(u"2004-08-24"_s, u"Ek"_s), roundOn(u"2005-01-01"_s, u"Ek"_s)});
    const FourFiles shorter = roundBytes({rounds[0]});
    FourFiles strokesShort = allBytes({{u"Ek"_s}}, rounds);
    strokesShort.strokes = shorter.strokes;
    FourFiles extendedShort = allBytes({{u"Ek"_s}}, rounds);
    extendedShort.extended = shorter.extended;

    for (const FourFiles &files : {strokesShort, extendedShort}) {
        EXPECT_EQ(maintenance::deleteRoundsOfDate(loaded(files), k20040824).refusal,
                  store::Refusal::RoundFilesDiffer);
        EXPECT_EQ(maintenance::deleteCourse(loaded(files), u"Ek"_s).refusal,
                  store::Refusal::RoundFilesDiffer);
    }
}

} // namespace
