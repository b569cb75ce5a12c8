#pragma once

#include <QString>

// Maximum-size data files for the benchmarks: 101 courses of 18 holes and 2001 rounds of
// 18 holes with FULL extended registration, written into the current directory.
enum class RoundOrder { Ascending, Descending };

void writeMaxData(int rounds = 2001, RoundOrder order = RoundOrder::Ascending);
// The name of the course that every generated round is played on when all rounds are on one course.
QString maxDataCourseName(int row);
