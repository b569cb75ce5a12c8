#include "maintenance/yearrange.h"

#include "store/dates.h"
#include "store/numbers.h"

#include <optional>

namespace maintenance {

bool yearResetDue(const ReportCounters &counters, int fromBar, int toBar, int courseRow)
{
    if (counters.rapport_raknare == 0)
        return fromBar == counters.forsta_ar && toBar == counters.sista_ar;
    return courseRow != counters.rapport_banrad;
}

YearSpan yearReset(ReportCounters &counters, const store::Tables &tables, const QString &course)
{
    counters.rapport_raknare = 0;
    const int rounds = store::heldRounds(tables);
    std::optional<YearSpan> found;
    for (int row = 0; row < rounds; ++row) {
        const store::RoundRow &round = tables.rundtabell[row];
        if (round[store::kBannamn] != course)
            continue;
        const int year = store::clampedWhole(store::readDate(round[store::kDatum]).year);
        if (!found)
            found = YearSpan{year, year};
        found->last = year;
    }
    if (!found)
        return {};
    counters.forsta_ar = found->first;
    counters.sista_ar = found->last;
    return *found;
}

} // namespace maintenance
