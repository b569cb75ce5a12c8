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
using CourseRow = std::array<QString, kCourseCells>;
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
// they hold at least the window's fixed number of rows, and every record of a longer file.
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

// The records the course and round indexes announce, bounded by the rows the tables hold.
int heldCourses(const Tables &tables);
int heldRounds(const Tables &tables);
// The round, stroke and extended indexes announce the same number of records.
bool roundFilesAgree(const Tables &tables);

// The last held row of the course table with this name, compared exactly.
std::optional<int> lastCourseNamed(const Tables &tables, const QString &name);

} // namespace store
