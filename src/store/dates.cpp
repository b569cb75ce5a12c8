#include "store/dates.h"

#include "store/numbers.h"

namespace store {

Date readDate(QStringView datum)
{
    return {numericValue(datum.mid(0, 4)), numericValue(datum.mid(5, 2)), numericValue(datum.mid(8, 2))};
}

bool isEarlier(const Date &a, const Date &b)
{
    if (a.year != b.year)
        return a.year < b.year;
    if (a.month != b.month)
        return a.month < b.month;
    return a.day < b.day;
}

} // namespace store
