#pragma once

#include "store/saveset.h"

#include <vector>

// What a window's change makes of the files, worked out over its tables by a plain
// function: the new contents of every file it rewrites, or why it rewrites none. The window
// hands it to platform::saveChange, which saves the files as one set and tells the user.
namespace store {

enum class Refusal {
    None,
    RoundFilesDiffer, // the three round files count different numbers of rounds
    RoundLimit,       // the round files hold kMaxRounds rounds already
};

struct FileChange
{
    Refusal refusal = Refusal::None;
    std::vector<FileContent> files{}; // in the order they are saved; none when refused
};

} // namespace store
