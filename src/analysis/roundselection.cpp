#include "analysis/roundselection.h"

#include "store/dates.h"

namespace analysis {

QStringList courseDates(const store::Tables &tables, const QString &course)
{
    QStringList dates;
    for (int row = 0; row < store::heldRounds(tables); ++row)
        if (tables.rundtabell[row][store::kBannamn] == course)
            dates << tables.rundtabell[row][store::kDatum];
    return dates;
}

RoundSelection selectRounds(const store::Tables &tables, const DateChoice &choice,
                            const std::function<bool(const store::RoundRow &)> &takes)
{
    RoundSelection selection;
    const store::Date from = store::readDate(choice.fromDate);
    const store::Date to = store::readDate(choice.toDate);
    const bool reversed = store::isEarlier(to, from);
    const int rounds = store::heldRounds(tables);
    int ordinal = -1;
    for (int row = 0; row < rounds; ++row) {
        const store::RoundRow &round = tables.rundtabell[row];
        if (round[store::kBannamn] != choice.course)
            continue;
        selection.hasRound = true;
        ++ordinal;
        if (takes && !takes(round))
            continue;
        if (reversed) {
            selection.reversedDates = true;
            return selection;
        }
        const store::Date date = store::readDate(round[store::kDatum]);
        if (store::isEarlier(date, from))
            continue;
        if (ordinal == choice.toPosition && date == to) {
            selection.rows.push_back(row);
            break;
        }
        if (!store::isEarlier(to, date))
            selection.rows.push_back(row);
    }
    return selection;
}

} // namespace analysis
