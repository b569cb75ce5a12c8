#include "store/tables.h"

#include "store/numbers.h"

namespace store {

int recordCount(const Held &sistaIndex)
{
    const std::optional<int> last = sistaIndexOf(sistaIndex);
    return last && *last >= 0 ? *last + 1 : 0;
}

} // namespace store
