#pragma once

// tom_guard: before a window that shows data opens, the first item of the course file
// (and of the round file) must not be -1. Shows the empty-file message when it is.
namespace store {

enum class GuardFiles { CoursesOnly, CoursesAndRounds };

bool guardAllows(GuardFiles files);

} // namespace store
