#pragma once

#include "analysis/extendedstats.h"
#include "analysis/holerows.h"
#include "analysis/roundselection.h"
#include "store/tables.h"

#include <QString>

#include <array>
#include <optional>

// "ANALYS": one course's rounds over a date range, per hole by score class and over par,
// with the extended registration's counts. Every text is a caption of the window.
namespace analysis {

// poangklass, by strokes minus par.
enum class ScoreClass { HoleInOne, Eagle, Birdie, Par, Bogey, DoubleBogey, TripleOrMore };
inline constexpr int kScoreClasses = 7;
using ClassTexts = std::array<QString, kScoreClasses>;

// Two under par is a hole in one on a par 3 and an eagle on a par 4 or 5; three or more
// under par, or two under on any other par, is no class.
std::optional<ScoreClass> scoreClass(double strokes, double par);

struct Analysis
{
    enum class Outcome {
        Analysed,
        ReversedDates, // the to-date is earlier than the from-date: the summary is all "0"
        NoRound,       // no round names the course: the summary is all "0"
    };
    Outcome outcome = Outcome::Analysed;
    // The class totals: " n", "0" for a class that never occurred, all empty when no hole
    // was counted.
    ClassTexts classTotals;
    SummaryTexts summary = zeroSummary();
    QString hardestHoles; // empty unless analysed
    // The class rows, written only on a course of 9 or 18 holes.
    std::optional<ClassTexts> classRows;
    ResultRows rows; // rows.holes is 0 unless analysed
};

// The course's hole count and pars come from the last course row of that name.
Analysis analyse(const store::Tables &tables, const DateChoice &choice);

} // namespace analysis
