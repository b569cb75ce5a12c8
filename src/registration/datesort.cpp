#include "registration/datesort.h"

#include "store/dates.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
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
    assert(tables.rundtabell.size() >= size_t(rows) && tables.slagtabell.size() >= size_t(rows) &&
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
    for (int i = 0; i < rows; ++i) {
        if (i > 0 && store::isEarlier(keys[byDate[i - 1]], keys[byDate[i]]))
            ++rank;
        rowKeys[byDate[i]] = rank << 32 | std::uint64_t(byDate[i]);
    }

    constexpr std::uint64_t kRankOnly = ~std::uint64_t(0xFFFFFFFF);
    for (int i = 0; i < last; ++i) {
        std::uint64_t rowI = rowKeys[i]; // row i as it stands after each exchange
        for (int k = i + 1; k <= last; ++k) {
            if (rowKeys[k] < (rowI & kRankOnly)) // row k's date is earlier
                std::swap(rowKeys[k], rowI);
        }
        rowKeys[i] = rowI;
    }

    std::vector<int> order(rows);
    for (int r = 0; r < rows; ++r)
        order[r] = int(rowKeys[r] & 0xFFFFFFFF);
    permute(tables.rundtabell, order);
    permute(tables.slagtabell, order);
    permute(tables.utokad_tabell, order);
}

} // namespace registration
