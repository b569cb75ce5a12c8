#pragma once

#include "store/tables.h"

// datumsortering: the round save's date sort of all rounds.
namespace registration {

// Sorts rows 0..last of the three round tables by datum with the exchange sort: for
// each row i, every later row k that is earlier than row i is exchanged with it at
// once. Equal dates are never exchanged, so rounds of one date can change order. The
// three tables move together; every row keeps its whole stroke row.
void datumsortering(store::Tables &tables, int last);

} // namespace registration
