#include "registration/datesort.h"

#include "store/dates.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace registration {

namespace {

// Moves rows 0..n-1 so that row r afterwards holds the old row order[r]. Each cycle of the
// order is followed in place, with one row held aside, so no table is copied.
template <class Row> void permute(std::vector<Row> &rows, const std::vector<int> &order)
{
    std::vector<bool> placed(order.size());
    for (std::size_t start = 0; start < order.size(); ++start) {
        if (placed[start])
            continue;
        Row held = std::move(rows[start]);
        std::size_t to = start;
        for (std::size_t from = std::size_t(order[to]); from != start; from = std::size_t(order[to])) {
            rows[to] = std::move(rows[from]);
            placed[to] = true;
            to = from;
        }
        rows[to] = std::move(held);
        placed[to] = true;
    }
}

} // namespace

void datumsortering(store::Tables &tables, int last)
{
    const int rows = last + 1;
    Q_ASSERT(tables.rundtabell.size() >= size_t(rows) && tables.slagtabell.size() >= size_t(rows) &&
             tables.utokad_tabell.size() >= size_t(rows));
    // The exchanges run over one integer per row: the rank of its date (equal dates, equal
    // ranks) above its row number. The rows themselves move once, at the end.
    std::vector<store::Date> keys(rows);
    std::vector<int> byDate(rows);
    for (int r = 0; r < rows; ++r) {
        keys[r] = store::readDate(tables.rundtabell[r][store::kDatum]);
        byDate[r] = r;
    }
    std::sort(byDate.begin(), byDate.end(), [&keys](int a, int b) { return store::isEarlier(keys[a], keys[b]); });
    std::vector<std::uint64_t> rowKeys(rows);
    std::uint64_t rank = 0;
    std::optional<std::uint64_t> lastSharedRank; // of the latest date two rows share
    for (int i = 0; i < rows; ++i) {
        if (i > 0 && store::isEarlier(keys[byDate[i - 1]], keys[byDate[i]]))
            ++rank;
        else if (i > 0)
            lastSharedRank = rank;
        rowKeys[byDate[i]] = rank << 32 | std::uint64_t(byDate[i]);
    }

    // An exchange pass moves the rows of one date only among the rows of that date and of
    // earlier ones, as the exchange sort of those rows alone would: later dates never decide
    // the order of equal dates. So the exchanges run over the rows up to the latest shared
    // date, in their order, and the rows after it, all of different dates, follow in date order.
    std::vector<std::uint64_t> exchanged;
    if (lastSharedRank)
        for (const std::uint64_t key : rowKeys)
            if (key >> 32 <= *lastSharedRank)
                exchanged.push_back(key);
    constexpr std::uint64_t kRankOnly = ~std::uint64_t(0xFFFFFFFF);
    for (std::size_t i = 0; i + 1 < exchanged.size(); ++i) {
        std::uint64_t rowI = exchanged[i]; // row i as it stands after each exchange
        for (std::size_t k = i + 1; k < exchanged.size(); ++k) {
            if (exchanged[k] < (rowI & kRankOnly)) // row k's date is earlier
                std::swap(exchanged[k], rowI);
        }
        exchanged[i] = rowI;
    }

    std::vector<int> order(byDate);
    for (std::size_t r = 0; r < exchanged.size(); ++r)
        order[r] = int(exchanged[r] & 0xFFFFFFFF);
    permute(tables.rundtabell, order);
    permute(tables.slagtabell, order);
    permute(tables.utokad_tabell, order);
}

} // namespace registration
