#include "maintenance/holeclass.h"

#include <cmath>

namespace maintenance {

std::optional<HoleClass> holeClass(double strokes, double par)
{
    if (strokes == 1)
        return HoleClass::HIO;
    if (strokes > par + 3)
        return HoleClass::Annat;
    // Albatross (par - 3) to Trippel (par + 3) follow one another in the enum: only the
    // whole offset nearest to strokes - par can match.
    const double offset = std::round(strokes - par);
    if (offset >= -3 && strokes == par + offset)
        return HoleClass(int(HoleClass::Par) + int(offset));
    return std::nullopt;
}

int talliedHoles(int roundHoles)
{
    return roundHoles == store::kMaxHoles ? store::kMaxHoles : 9;
}

void tallyRound(HoleTally &tally, int roundHoles, const PerHole &strokes, const PerHole &pars)
{
    const int holes = talliedHoles(roundHoles);
    for (int i = 0; i < holes; ++i) {
        tally.strokeSums[i] += strokes[i];
        tally.pars[i] = pars[i];
        if (const std::optional<HoleClass> c = holeClass(strokes[i], pars[i]))
            ++tally.classCounts[i][int(*c)];
    }
}

} // namespace maintenance
