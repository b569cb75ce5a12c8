#include "store/tables.h"

#include "store/numbers.h"

#include <algorithm>

namespace store {

int recordCount(const Held &sistaIndex)
{
    const std::optional<int> last = sistaIndexOf(sistaIndex);
    return last && *last >= 0 ? *last + 1 : 0;
}

int heldCourses(const Tables &tables)
{
    return std::min(recordCount(tables.sistaCourses), int(tables.bantabell.size()));
}

int heldRounds(const Tables &tables)
{
    return std::min(recordCount(tables.sistaRounds), int(tables.rundtabell.size()));
}

bool roundFilesAgree(const Tables &tables)
{
    const int rounds = recordCount(tables.sistaRounds);
    return rounds == recordCount(tables.sistaStrokes) && rounds == recordCount(tables.sistaExtended);
}

std::optional<int> lastCourseNamed(const Tables &tables, const QString &name)
{
    for (int row = heldCourses(tables) - 1; row >= 0; --row)
        if (tables.bantabell[row][0] == name)
            return row;
    return std::nullopt;
}

} // namespace store
