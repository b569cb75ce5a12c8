#include "analysis/roundselection.h"

#include "registration/datesort.h"

#include <algorithm>

namespace analysis {

namespace {

using registration::DateKey;

bool sameDate(const DateKey &a, const DateKey &b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

// The rounds the round file announced and the table holds.
int roundCount(const store::Tables &tables)
{
    return std::min(store::recordCount(tables.sistaRounds), int(tables.rundtabell.size()));
}

} // namespace

QStringList courseDates(const store::Tables &tables, const QString &course)
{
    QStringList dates;
    for (int row = 0; row < roundCount(tables); ++row)
        if (tables.rundtabell[row][store::kBannamn] == course)
            dates << tables.rundtabell[row][store::kDatum];
    return dates;
}

RoundSelection selectRounds(const store::Tables &tables, const DateChoice &choice)
{
    RoundSelection selection;
    const DateKey from = registration::dateKey(choice.fromDate);
    const DateKey to = registration::dateKey(choice.toDate);
    const bool reversed = registration::isEarlier(to, from);
    const int rounds = roundCount(tables);
    int ordinal = -1;
    for (int row = 0; row < rounds; ++row) {
        const store::RoundRow &round = tables.rundtabell[row];
        if (round[store::kBannamn] != choice.course)
            continue;
        selection.hasRound = true;
        ++ordinal;
        if (reversed) {
            selection.reversedDates = true;
            return selection;
        }
        const DateKey date = registration::dateKey(round[store::kDatum]);
        if (registration::isEarlier(date, from))
            continue;
        if (ordinal == choice.toPosition && sameDate(date, to)) {
            selection.rows.push_back(row);
            break;
        }
        if (!registration::isEarlier(to, date))
            selection.rows.push_back(row);
    }
    return selection;
}

} // namespace analysis
