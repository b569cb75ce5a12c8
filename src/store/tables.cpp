#include "store/tables.h"

#include "store/numbers.h"

#include <algorithm>
#include <cmath>

namespace store {

int holesOf(const QString &antalHal)
{
    return int(std::clamp(std::floor(numericValue(antalHal)), 0.0, double(kMaxHoles)));
}

int recordCount(const Held &sistaIndex)
{
    const std::optional<int> last = sistaIndexOf(sistaIndex);
    return last && *last >= 0 ? *last + 1 : 0;
}

} // namespace store
