#pragma once

#include "store/saveset.h"

namespace platform {

// Shows why a save failed ("FELMEDDELANDE", style 48). True when the set was saved.
bool reportSave(const store::SaveResult &result);

} // namespace platform
