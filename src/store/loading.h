#pragma once

#include "store/format.h"
#include "store/tables.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// laddning: the one loader of every window. It reads the data files a window needs,
// in the order course file, round file, stroke file, extended-registration file, into
// the window's tables, and shows the window's empty-file messages (tomfil_meddelande).
namespace store {

enum class LoadStatus { Ok, Empty, Damaged };

// What a window does when a file holds no record.
enum class WhenEmpty {
    NotLoaded,       // the window does not read this file
    Silent,          // read it, no message
    MessageContinue, // its message, then the loading goes on
    MessageStop,     // its message, and no later file is read
};

struct LoadPlan
{
    WhenEmpty courses = WhenEmpty::NotLoaded;
    WhenEmpty rounds = WhenEmpty::NotLoaded;
    WhenEmpty strokes = WhenEmpty::NotLoaded;
    WhenEmpty extended = WhenEmpty::NotLoaded;
    int courseRows = kMaxCourses; // the window's fixed bantabell size
};

// The windows that show all four files (the scorecard and the print information): an
// empty course, round or stroke file stops the loading, an empty extended file does not.
constexpr LoadPlan showingPlan(int courseRows)
{
    return {.courses = WhenEmpty::MessageStop,
            .rounds = WhenEmpty::MessageStop,
            .strokes = WhenEmpty::MessageStop,
            .extended = WhenEmpty::MessageContinue,
            .courseRows = courseRows};
}

struct LoadResult
{
    // Every planned file was read whole and no empty file stopped the loading: the
    // window may build its lists.
    bool complete = false;
    // A file was missing or damaged: a window that writes must write nothing.
    bool failed = false;
};

// Reads a file's bytes by name; nothing when it cannot be opened. Tests swap it.
using FileSource = std::function<std::optional<QByteArray>(const QString &name)>;
std::optional<QByteArray> readDataFile(const QString &name);

// Shows the empty-file message of the file ("Du har inte registrerat någon bana ännu." ...)
// with title "INFORMATION" and style 48.
void showEmptyFileMessage(DataFile file);

// Loads as the plan says. A damaged or missing file shows its message once and ends
// the loading; what was read before stays in the tables.
LoadResult load(Tables &tables, const LoadPlan &plan, const FileSource &source = readDataFile);

// The single-file readers below, over bytes already read. Each fills its table as the
// loader does and returns the status; sista_index is stored in the tables. Damaged: the
// file ends inside a record, a record has more than 18 holes, or line 1 is no whole
// number; the records read whole stay, and the stored sista_index counts only those.
LoadStatus readCourses(const QByteArray &bytes, Tables &tables, int courseRows);
LoadStatus readRounds(const QByteArray &bytes, Tables &tables);
LoadStatus readStrokes(const QByteArray &bytes, Tables &tables); // needs rundtabell
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
