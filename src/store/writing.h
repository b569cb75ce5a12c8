#pragma once

#include "store/filechange.h"
#include "store/tables.h"

#include <QByteArray>
#include <QString>

#include <span>
#include <vector>

// Whole-file contents; saveset.h writes them.
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
// The same for the given rows, in the given order; each must be a row of all three tables.
RoundFileBytes roundFileBytes(const Tables &tables, std::span<const int> rows);
// The three round files as the change that saves them, in the same order.
FileChange roundFilesChange(RoundFileBytes bytes);

} // namespace store
