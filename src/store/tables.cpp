#include "store/tables.h"

#include "store/numbers.h"
#include "store/records.h"

#include <algorithm>

namespace store {

namespace {

template <class Row> int heldRows(const Held &sistaIndex, const std::vector<Row> &table)
{
    return std::min(recordCount(sistaIndex), int(table.size()));
}

template <class Row> const Row &heldRow(const std::vector<Row> &table, int held, int row)
{
    static const Row kEmpty{};
    return row >= 0 && row < held ? table[std::size_t(row)] : kEmpty;
}

} // namespace

int recordCount(const Held &sistaIndex)
{
    const std::optional<int> last = sistaIndexOf(sistaIndex);
    return last && *last >= 0 ? *last + 1 : 0;
}

int heldCourses(const Tables &tables)
{
    return heldRows(tables.sistaCourses, tables.bantabell);
}

int heldRounds(const Tables &tables)
{
    return heldRows(tables.sistaRounds, tables.rundtabell);
}

int heldStrokes(const Tables &tables)
{
    return heldRows(tables.sistaStrokes, tables.slagtabell);
}

int heldExtended(const Tables &tables)
{
    return heldRows(tables.sistaExtended, tables.utokad_tabell);
}

bool roundFilesAgree(const Tables &tables)
{
    const int rounds = heldRounds(tables);
    return rounds == heldStrokes(tables) && rounds == heldExtended(tables);
}

const CourseRow &courseOf(const Tables &tables, int courseRow)
{
    return heldRow(tables.bantabell, heldCourses(tables), courseRow);
}

const StrokeRow &strokesOf(const Tables &tables, int round)
{
    return heldRow(tables.slagtabell, heldStrokes(tables), round);
}

const QString &extendedOf(const Tables &tables, int round)
{
    return heldRow(tables.utokad_tabell, heldExtended(tables), round);
}

Pars parsOf(const Tables &tables, int courseRow)
{
    const CourseRow &course = courseOf(tables, courseRow);
    Pars pars{};
    const int holes = holesOf(course[kCourseAntalHal]);
    for (int hole = 1; hole <= holes; ++hole)
        pars[std::size_t(hole - 1)] = numericValue(course[std::size_t(parCell(hole))]);
    return pars;
}

std::optional<int> lastCourseNamed(const Tables &tables, const QString &name)
{
    for (int row = heldCourses(tables) - 1; row >= 0; --row)
        if (tables.bantabell[row][kCourseBannamn] == name)
            return row;
    return std::nullopt;
}

} // namespace store
