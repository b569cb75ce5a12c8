#pragma once

#include "registration/roundentry.h"
#include "registration/roundrecords.h"
#include "store/tables.h"

// The save of the round register: reads the three round files into the register's
// tables, appends the new round, checks its number of holes and its strokes, sorts all
// rounds by date and rewrites the three files. Nothing is written unless every step
// before the writing succeeded.
namespace registration {

enum class SaveOutcome {
    Saved,
    NotSaved,         // a file could not be read or written, or the files refuse a round; the
                      // reason has been shown
    HoleCountFailure, // neither 9 nor 18 holes (VE_ABEND)
    StrokesFailure,   // a played hole without strokes (FEL9_18)
};

SaveOutcome saveRound(store::Tables &tables, const RoundInput &input, const HoleValues &values);

} // namespace registration
