#pragma once

#include "registration/roundentry.h"
#include "registration/roundrecords.h"
#include "store/filechange.h"
#include "store/loading.h"
#include "store/tables.h"

// The save of the round register. The register reads the three round files again into its
// tables with kRoundSavePlan and saves nothing when one cannot be read whole; addRound then
// appends the new round, checks its number of holes and its strokes, sorts all rounds by
// date and gives the three files' new contents, for the register to save.
namespace registration {

// The round files are read again at every save, without empty-file messages.
inline constexpr store::LoadPlan kRoundSavePlan{.courses = store::WhenEmpty::NotLoaded,
                                                .rounds = store::WhenEmpty::Silent,
                                                .strokes = store::WhenEmpty::Silent,
                                                .extended = store::WhenEmpty::Silent,
                                                .afterDamage = store::AfterDamage::Stop};

// A round the register refuses with an error window.
enum class RoundError {
    None,
    HoleCount, // neither 9 nor 18 holes (VE_ABEND)
    Strokes,   // a played hole without strokes (FEL9_18)
};

struct NewRound
{
    RoundError error = RoundError::None;
    store::FileChange change{}; // without an error: the three round files, or why they take no round
};

// Over tables that hold the round files read with kRoundSavePlan. The files are refused
// first (they differ in length, or are full), then the round (its holes, then its strokes).
// The tables are worked on in place; when the files' contents are given, the tables hold
// their rounds.
NewRound addRound(store::Tables &tables, const RoundInput &input, const HoleValues &values);

} // namespace registration
