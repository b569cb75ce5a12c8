#pragma once

#include "store/loading.h"

#include <optional>

// tom_guard: before a window that shows data opens, the first item of the course file
// (and of the round file) must not be -1.
namespace store {

enum class GuardFiles { CoursesOnly, CoursesAndRounds };

// The empty file that keeps the window closed (status Empty), nothing when it may open.
// Only line 1 -1, as a number or as the text "-1", is empty: anything else is left to the
// window's own loading to report.
std::optional<FileStatus> guard(GuardFiles files);

} // namespace store
