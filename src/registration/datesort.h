#pragma once

#include "store/tables.h"

#include <QStringView>

// datumsortering: the round save's date sort of all rounds.
namespace registration {

// A datum read by position: the leading numbers of characters 1-4 (year), 6-7 (month)
// and 9-10 (day); a missing or non-numeric piece counts as 0.
struct DateKey
{
    double year = 0;
    double month = 0;
    double day = 0;
};
DateKey dateKey(QStringView datum);
bool isEarlier(const DateKey &a, const DateKey &b);

// Sorts rows 0..last of the three round tables by datum with the exchange sort: for
// each row i, every later row k that is earlier than row i is exchanged with it at
// once. Equal dates are never exchanged, so rounds of one date can change order. The
// three tables move together; every row keeps its whole stroke row.
void datumsortering(store::Tables &tables, int last);

} // namespace registration
