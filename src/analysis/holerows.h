#pragma once

#include "analysis/extendedstats.h"
#include "store/format.h"

#include <QString>

#include <array>

// The per-hole texts of an analysis: the hardest holes in order, a score class's row of
// counts, and the two result rows.
namespace analysis {

using HoleTexts = std::array<QString, store::kMaxHoles>;

// svaraste_hal: holes 1 .. holes by strokes over par, most first, each as the first three
// characters of its key " h. v" (" 7.", " 13"). The exchange sort compares each position
// with every later one and swaps when the later one is higher, so holes of equal value
// need not stay in hole order.
QString hardestHoles(const HoleValues &overPar, int holes);

// A class's counts of holes 1 .. holes, each with a leading blank, joined by a blank.
QString classRow(const std::array<int, store::kMaxHoles> &counts, int holes);

struct ResultRows
{
    int holes = 0;      // holes written: 9 on a 9-hole course, 18 otherwise
    HoleTexts overPar;  // row 1: strokes over par summed over the taken rounds
    HoleTexts perRound; // row 2: over par per taken round, half up to two decimals; "-0" under par
};

ResultRows resultRows(const HoleValues &strokeSums, const HoleValues &parSums, int courseHoles,
                      double takenRounds);

} // namespace analysis
