#pragma once

#include <QString>

// Maximum-size data files for the benchmarks: 101 courses of 18 holes and 2001 rounds of
// 18 holes with FULL extended registration, written into the current directory.
enum class RoundOrder { Ascending, Descending };
// Rounds spread over every course in turn, or all played on the course of row 0.
enum class RoundCourses { Spread, OneCourse };

void writeMaxData(int rounds = 2001, RoundOrder order = RoundOrder::Ascending,
                  RoundCourses courses = RoundCourses::Spread);
// The name of the course in row `row` of the generated course file.
QString maxDataCourseName(int row);
