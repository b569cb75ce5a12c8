#pragma once

#include "platform/displaylist.h"
#include "store/tables.h"

#include <QString>

#include <optional>

// The handicap-changes graph worked out from a window's round table: the preset ranges,
// the ordering rules of the four range bars, and what "VISA" draws. Coordinates are twips.
namespace analysis {

// The four ranges as the window's bars hold them.
struct HandicapRanges
{
    int lower = 0;  // lowest handicap, the foot of the scale
    int upper = 56; // highest handicap, the top of the scale
    int firstYear = 1999;
    int lastYear = 2000;
    friend bool operator==(const HandicapRanges &, const HandicapRanges &) = default;
};

// The handicap bars' limits; the year bars span store::kFirstYear to store::kLastYear.
inline constexpr int kMinHandicap = 0;
inline constexpr int kMaxHandicap = 56;

// The presets over rounds 0 .. the last one the round file counts: the scale from the
// whole part of the lowest handicap before or after a round to one above the highest,
// and the years from the earliest round to the latest. Values the bars cannot hold are
// taken to the nearest end, so the upper limit stays above the lower one. Nothing when
// the file holds no round.
std::optional<HandicapRanges> handicapPresets(const store::Tables &tables);

// The ordering rules: the value a bar settles at when it is moved to `value` while the
// other bar of its pair stays. The upper handicap limit stays at least 1 above the lower
// one; the first year never passes the last.
int lowerAfterMove(int value, int upper);
int upperAfterMove(int value, int lower);
int firstYearAfterMove(int value, int lastYear);
int lastYearAfterMove(int value, int firstYear);

// The texts the graph reads from the window's value labels: the upper and lower limit
// and the first and last year.
struct HandicapCaptions
{
    QString upper, lower, firstYear, lastYear;
};

// What "VISA" draws for the ranges in the captions, on a cleared list: the scale of five
// texts with their grid lines, the legend, and from left to right a box for each round in
// file order whose year and hcp_efter lie in the ranges and whose handicap changed, with
// the round's date and stored hcp_efter under it. The first such round is compared by
// number with the round before it in the file, each later one by the texts of its own
// hcp_fore and hcp_efter; at most 25 boxes fit. No box when the upper limit is not above
// the lower one (the scale would have no height).
void drawHandicapGraph(const store::Tables &tables, const HandicapCaptions &captions,
                       platform::DisplayList &list);

} // namespace analysis
