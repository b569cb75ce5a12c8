#pragma once

#include "store/format.h"
#include "store/tables.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// laddning: the one loader of every window. It reads the data files a window needs,
// in the order course file, round file, stroke file, extended-registration file, into
// the window's tables, and says per file how the reading went. It shows no message: the
// window side turns the statuses into messages (platform/storemessages.h).
namespace store {

enum class LoadStatus { Ok, Empty, Missing, Damaged };

// How the reading of one data file went.
struct FileStatus
{
    DataFile file;
    LoadStatus status;
    QString name() const { return fileName(file); }
    friend bool operator==(const FileStatus &, const FileStatus &) = default;
};

// What a window does when a file holds no record.
enum class WhenEmpty {
    NotLoaded,       // the window does not read this file
    Silent,          // read it, no message
    MessageContinue, // its message, then the loading goes on
    MessageStop,     // its message, and no later file is read
};

// A window that writes reads nothing after a damaged file (it will write nothing); a
// window that only shows reads on, and lists every record read whole.
enum class AfterDamage { Stop, ReadOn };

struct LoadPlan
{
    WhenEmpty courses = WhenEmpty::NotLoaded;
    WhenEmpty rounds = WhenEmpty::NotLoaded;
    WhenEmpty strokes = WhenEmpty::NotLoaded;
    WhenEmpty extended = WhenEmpty::NotLoaded;
    int courseRows = kMaxCourses; // the window's fixed bantabell size
    AfterDamage afterDamage = AfterDamage::Stop;
};

// The windows that show all four files (the scorecard and the print information): an
// empty course, round or stroke file stops the loading, an empty extended file does not.
constexpr LoadPlan showingPlan(int courseRows)
{
    return {.courses = WhenEmpty::MessageStop,
            .rounds = WhenEmpty::MessageStop,
            .strokes = WhenEmpty::MessageStop,
            .extended = WhenEmpty::MessageContinue,
            .courseRows = courseRows,
            .afterDamage = AfterDamage::ReadOn};
}

// The two graph windows: every empty file's message, and the loading goes on; the extended
// file is not read.
constexpr LoadPlan graphPlan(int courseRows)
{
    return {.courses = WhenEmpty::MessageContinue,
            .rounds = WhenEmpty::MessageContinue,
            .strokes = WhenEmpty::MessageContinue,
            .extended = WhenEmpty::NotLoaded,
            .courseRows = courseRows,
            .afterDamage = AfterDamage::ReadOn};
}

struct LoadResult
{
    // The files read, in the order read; a missing file or an empty file that stops the
    // loading is the last.
    std::vector<FileStatus> files;
    // No file was missing and no empty file stopped the loading: the window may build its
    // lists (from the records read whole, when a file was damaged).
    bool complete = false;
    // A file was missing or damaged: a window that writes must write nothing.
    bool failed = false;
    // What the user is told: the empty files whose plan says so, the first damaged or
    // missing file. In the order read.
    std::vector<FileStatus> toTell;

    // The first file that was missing or damaged, when one was: the one the user is told of.
    std::optional<FileStatus> firstUnread() const;
};

// Loads as the plan says, each file read whole through the file system of
// store/filesystem.h. A file that cannot be read is missing. A missing file ends the loading,
// and so does a damaged file unless the plan reads on; what was read before stays in the
// tables.
LoadResult load(Tables &tables, const LoadPlan &plan);

// The single-file readers below, over bytes already read. Each fills its table as the
// loader does and returns the status (never Missing); sista_index is stored in the tables.
// Damaged: the file ends inside a record, a record has more than 18 holes, line 1 is no
// whole number or is below -1, or a line is longer than kMaxLineLength; the records read
// whole stay, and the stored sista_index counts only those.
LoadStatus readCourses(const QByteArray &bytes, Tables &tables, int courseRows);
LoadStatus readRounds(const QByteArray &bytes, Tables &tables);
LoadStatus readStrokes(const QByteArray &bytes, Tables &tables); // after readRounds
LoadStatus readExtended(const QByteArray &bytes, Tables &tables);

// banlista: the course names of rows 0 .. k-1, k being the lowest row of the first
// `rows` rows whose name is empty (all of them when none is). A list index is a row.
QStringList banlista(const std::vector<CourseRow> &bantabell, int rows);
// banlista over the whole table.
inline QStringList banlista(const std::vector<CourseRow> &bantabell)
{
    return banlista(bantabell, int(bantabell.size()));
}

} // namespace store
