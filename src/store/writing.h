#pragma once

#include "store/tables.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// Whole-file contents, and the safe writing of a set of files.
namespace store {

// An empty data file: line 1 -1, as a number item or as the text item "-1".
enum class LineOneForm { Number, Text };
QByteArray emptyDataFile(LineOneForm form);

// VEMTORBF with rows 0 .. count-1: every cell a text item, 3 x antal_hal hole cells.
QByteArray courseFileBytes(const std::vector<CourseRow> &bantabell, int count);

// The three round files for rows 0 .. count-1, in the order VERUNDAR, VERUNDAH, VERUNDAK.
// Strokes are written as held; a round gets as many as its antal_hal says.
struct RoundFileBytes
{
    QByteArray rounds;
    QByteArray strokes;
    QByteArray extended;
};
RoundFileBytes roundFileBytes(const Tables &tables, int count);

struct FileContent
{
    QString name;
    QByteArray bytes;
};

// Writes each file whole through a temporary file in its directory, flushed to disk, then
// renames the temporary files over the old ones in the given order. Every temporary file
// is written before the first rename, so a failed write changes no file. Returns the name
// of the file that failed, nothing on success.
std::optional<QString> writeFiles(const std::vector<FileContent> &files);

} // namespace store
