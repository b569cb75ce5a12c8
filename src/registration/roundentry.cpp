#include "registration/roundentry.h"

#include "store/numbers.h"
#include "store/records.h"

#include <algorithm>

namespace registration {

void zeroExtended(HoleValues &values, int hole)
{
    for (auto *perHole : {&values.hal_fairway, &values.hal_green, &values.hal_bunker, &values.hal_pitch,
                          &values.hal_chip, &values.hal_putt})
        (*perHole)[hole] = 0;
}

int lastHoleIndex(QStringView antalHal)
{
    return store::holesOf(antalHal) - 1;
}

int holeBarMaximum(int sista_hal)
{
    return std::clamp(sista_hal, 0, store::kMaxHoles - 1);
}

HandicapParts handicapParts(QStringView text)
{
    const double value = store::numericValue(text);
    const bool whole = store::wholePart(value) == value;
    const int tenth = whole ? 0 : store::numberText(value).back().digitValue();
    return {store::clampedWhole(value, 0, kHandicapMax), tenth};
}

int yearDefault(QStringView today)
{
    return store::clampedWhole(store::numericValue(today.mid(6, 4)), kFirstRoundYear, kLastRoundYear);
}

} // namespace registration
