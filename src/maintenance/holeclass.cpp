#include "maintenance/holeclass.h"

#include "store/numbers.h"

namespace report {

std::optional<HoleClass> holeClass(double strokes, double par)
{
    if (strokes == 1)
        return HoleClass::HIO;
    if (strokes > par + 3)
        return HoleClass::Annat;
    // Albatross (-3) to Trippel (+3) follow one another in the enum.
    for (int offset = -3; offset <= 3; ++offset)
        if (strokes == par + offset)
            return HoleClass(int(HoleClass::Albatross) + offset + 3);
    return std::nullopt;
}

int talliedHoles(int roundHoles)
{
    return roundHoles == store::kMaxHoles ? store::kMaxHoles : 9;
}

void tallyRound(HoleTally &tally, int roundHoles, const store::StrokeRow &strokes,
                const store::CourseRow &course)
{
    const int holes = talliedHoles(roundHoles);
    for (int hole = 1; hole <= holes; ++hole) {
        const int i = hole - 1;
        const double s = store::numericValue(strokes[i].text);
        const double p = store::numericValue(course[store::parCell(hole)]);
        tally.strokeSums[i] += s;
        tally.pars[i] = p;
        if (const std::optional<HoleClass> c = holeClass(s, p))
            ++tally.classCounts[i][int(*c)];
    }
}

} // namespace report
