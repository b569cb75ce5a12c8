#pragma once

#include "registration/roundsave.h"

namespace registration {

// Tells the user why a round was not saved: the round file that could not be read, the
// files that differ, the limit, or the file that could not be written.
void tellNotSaved(const SaveResult &result);

} // namespace registration
