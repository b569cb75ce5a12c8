#pragma once

#include "registration/roundentry.h"
#include "registration/roundrecords.h"
#include "store/loading.h"
#include "store/saveset.h"
#include "store/tables.h"

#include <QString>

// The save of the round register: reads the three round files into the register's
// tables, appends the new round, checks its number of holes and its strokes, sorts all
// rounds by date and rewrites the three files. Nothing is written unless every step
// before the writing succeeded. It shows nothing: the register tells the user why.
namespace registration {

enum class SaveOutcome {
    Saved,
    NotSaved,         // see SaveResult::refusal
    HoleCountFailure, // neither 9 nor 18 holes (VE_ABEND)
    StrokesFailure,   // a played hole without strokes (FEL9_18)
};

// Why a round was not saved.
enum class Refusal {
    None,
    NotRead,     // a round file is missing or damaged: SaveResult::loaded says which
    FilesDiffer, // the three round files count different numbers of rounds
    Full,        // the files hold kMaxRounds rounds already
    NotWritten,  // the set save failed: SaveResult::written says where and what remains
};

struct SaveResult
{
    SaveOutcome outcome = SaveOutcome::Saved;
    Refusal refusal = Refusal::None;
    store::LoadResult loaded{}; // the reading of the round files
    store::SaveResult written{}; // the saving of the three files
};

SaveResult saveRound(store::Tables &tables, const RoundInput &input, const HoleValues &values);

} // namespace registration
