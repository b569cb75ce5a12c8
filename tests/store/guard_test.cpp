#include "platform/storemessages.h"

#include "kit/datafiles.h"
#include "kit/testenv.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using store::GuardFiles;

namespace {

TEST(Guard, RefusesOnAnEmptyCourseOrRoundFileAndReadsOnlyLineOne)
{
    const RecordedMessage noCourse{u"Du har inte registrerat någon bana ännu."_s, u"INFORMATION"_s, 48};
    const RecordedMessage noRound{u"Du har inte registrerat någon runda ännu."_s, u"INFORMATION"_s, 48};
    const struct
    {
        const char *name;
        QByteArray courses; // empty: no file
        QByteArray rounds;
        GuardFiles files;
        bool allows;
        std::vector<RecordedMessage> messages;
    } cases[] = {
        {"both registered", "0\r\n", "0\r\n", GuardFiles::CoursesAndRounds, true, {}},
        {"no course", "-1\r\n", "0\r\n", GuardFiles::CoursesAndRounds, false, {noCourse}},
        {"nothing at all", "-1\r\n", "-1\r\n", GuardFiles::CoursesAndRounds, false, {noCourse}},
        {"no course as text", "\"-1\"\r\n", "0\r\n", GuardFiles::CoursesOnly, false, {noCourse}},
        {"no round", "0\r\n", "-1\r\n", GuardFiles::CoursesAndRounds, false, {noRound}},
        {"no round as text", "0\r\n", "\"-1\"\r\n", GuardFiles::CoursesAndRounds, false, {noRound}},
        {"no round, courses only", "0\r\n", "-1\r\n", GuardFiles::CoursesOnly, true, {}},
        {"line 1 with lone LF and blanks",
         " -1 \n\"x\"\n",
         "0\r\n",
         GuardFiles::CoursesOnly,
         false,
         {noCourse}},
        {"line 1 not a number", "\"x\"\r\n", "0\r\n", GuardFiles::CoursesAndRounds, true, {}},
        // Only -1 is empty: any other line 1 is the window's loading to report as damage.
        {"course line 1 below -1", "-5\r\n\"x\"\r\n", "0\r\n", GuardFiles::CoursesAndRounds, true, {}},
        {"round line 1 \"-2\"", "0\r\n", "\"-2\"\r\n", GuardFiles::CoursesAndRounds, true, {}},
        {"missing files are left to the window", "", "", GuardFiles::CoursesAndRounds, true, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        recorder().clear();
        QFile::remove(u"VEMTORBF"_s);
        QFile::remove(u"VERUNDAR"_s);
        if (!c.courses.isEmpty())
            writeFile(u"VEMTORBF"_s, c.courses);
        if (!c.rounds.isEmpty())
            writeFile(u"VERUNDAR"_s, c.rounds);
        EXPECT_EQ(platform::guardAllows(c.files), c.allows);
        EXPECT_EQ(recorder().messages, c.messages);
    }
}

} // namespace
