#pragma once

#include "store/format.h"
#include "store/items.h"
#include "store/records.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// A window's in-memory copies of the data files. Row r holds record r of its file.
namespace store {

// bantabell row: cell 0 bannamn, cell 1 antal_hal, hole h (1..18) in cells
// 3h-1 meter, 3h hcp_index, 3h+1 par; holes a course does not have stay empty.
// The first two are named apart from a round row's cells (there cell 1 is kBannamn).
using CourseRow = std::array<QString, kCourseCells>;
enum CourseCell {
    kCourseBannamn = 0,
    kCourseAntalHal = 1,
};
inline constexpr int metresCell(int hole)
{
    return 3 * hole - 1;
}
inline constexpr int strokeIndexCell(int hole)
{
    return 3 * hole;
}
inline constexpr int parCell(int hole)
{
    return 3 * hole + 1;
}

// rundtabell row: the nine fields of runda in file order.
using RoundRow = std::array<QString, kRoundCells>;
enum RoundCell {
    kDatum = 0,
    kBannamn = 1,
    kHcpFore = 2,
    kHcpEfter = 3,
    kAntalPoang = 4,
    kSpeltyp = 5,
    kRundinfo = 6,
    kAntalHal = 7,
    kSlopeHcp = 8,
};

// slagtabell row: strokes of hole h in cell h-1, as held; nothing after the round's holes.
using StrokeRow = std::array<Held, kMaxHoles>;

// The tables of a window and the sista_index it read from each file. The counts, not
// the sizes, say which rows are valid: rows 0 .. sista_index. The tables never shrink:
// they hold at least the window's fixed number of rows, and every record of a longer file,
// so a row past what a file holds now may still hold what an earlier load put there. The
// loader sets the sista_index of every file it is asked to read, also of one it could not
// read (then no record), so the counts always say what the files held at the last load.
struct Tables
{
    std::vector<CourseRow> bantabell;
    std::vector<RoundRow> rundtabell;
    std::vector<StrokeRow> slagtabell;
    std::vector<QString> utokad_tabell;

    Held sistaCourses;
    Held sistaRounds;
    Held sistaStrokes;
    Held sistaExtended;
};

// The number of records a sista_index announces (0 for -1 or anything unreadable).
int recordCount(const Held &sistaIndex);

// The records each file held at its last load, bounded by the rows its table holds.
int heldCourses(const Tables &tables);
int heldRounds(const Tables &tables);
int heldStrokes(const Tables &tables);
int heldExtended(const Tables &tables);
// The three round files held the same number of records.
bool roundFilesAgree(const Tables &tables);

// A row as its file held it at the last load, and the empty row for any row past that
// (or below 0): no window ever shows a row an earlier load left in the table.
const CourseRow &courseOf(const Tables &tables, int courseRow);
const StrokeRow &strokesOf(const Tables &tables, int round);
const QString &extendedOf(const Tables &tables, int round);

// The numbers of a course row's par cells, hole h at index h - 1; a hole the course does
// not have, and every hole of a row past the course file, counts 0.
using Pars = std::array<double, kMaxHoles>;
Pars parsOf(const Tables &tables, int courseRow);

// The last held row of the course table with this name, compared exactly.
std::optional<int> lastCourseNamed(const Tables &tables, const QString &name);

} // namespace store
