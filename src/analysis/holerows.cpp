#include "analysis/holerows.h"

#include "store/numbers.h"

#include <utility>
#include <vector>

namespace analysis {

QString hardestHoles(const HoleValues &overPar, int holes)
{
    struct Entry
    {
        QString key;
        double value;
    };
    std::vector<Entry> entries;
    entries.reserve(holes);
    for (int h = 1; h <= holes; ++h)
        entries.push_back({store::numberTextWithBlank(h) + u'.' + store::numberTextWithBlank(overPar[h - 1]),
                           overPar[h - 1]});
    for (int i = 0; i + 1 < holes; ++i)
        for (int j = i; j < holes; ++j)
            if (entries[j].value > entries[i].value)
                std::swap(entries[i], entries[j]);
    QString order;
    for (const Entry &entry : entries)
        order += entry.key.left(3);
    return order;
}

QString classRow(const std::array<int, store::kMaxHoles> &counts, int holes)
{
    QString row;
    for (int h = 1; h <= holes; ++h) {
        if (h > 1)
            row += u' ';
        row += store::numberTextWithBlank(counts[h - 1]);
    }
    return row;
}

ResultRows resultRows(const HoleValues &strokeSums, const HoleValues &parSums, int courseHoles,
                      double takenRounds)
{
    ResultRows rows;
    rows.holes = courseHoles == 9 ? 9 : store::kMaxHoles;
    for (int h = 0; h < rows.holes; ++h)
        rows.overPar[h] = store::numberText(store::roundTwoDecimals(strokeSums[h] - parSums[h]));
    for (int h = 0; h < rows.holes; ++h) {
        const double r = store::numericValue(rows.overPar[h]);
        if (r < 0)
            rows.perRound[h] = QStringLiteral("-0");
        else if (r == 0)
            rows.perRound[h] = QStringLiteral("0");
        else
            rows.perRound[h] = store::numberText(store::roundTwoDecimals(r / takenRounds));
    }
    return rows;
}

} // namespace analysis
