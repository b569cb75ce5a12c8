#pragma once

#include "store/format.h"

#include <QString>
#include <QStringView>

#include <array>

// The extended registration of the rounds an analysis takes: running counts per round,
// then the summary block's texts.
namespace analysis {

using HoleValues = std::array<double, store::kMaxHoles>; // entry h-1 for hole h

struct ExtendedCounts
{
    int middleRounds = 0; // level "M"
    int fullRounds = 0;   // level "F"
    double fairways = 0;
    double greens = 0;
    double bunkerShots = 0;
    double pitches = 0;
    double chips = 0;
    double putts = 0;
};

// Adds one round's utokad_rad over the course's holes. Level "I" adds nothing; "M" adds
// greens and putts only; "F" and any other letter add everything, though only "M" and
// "F" count as rounds. A fairway counts on holes with a par above 3; only an upper-case
// "J" is a hit; a count position that holds no digit, or lies past the end, adds 0.
void countRound(ExtendedCounts &counts, QStringView utokadRad, const HoleValues &pars, int holes);

// The 26 labels the analysis resets to "0" and then fills, in this order.
enum SummaryLabel {
    kTotRund,
    kAntHat,
    kAntC,
    kFullAn,
    kMellAn,
    kAntHac,
    kAntHaf,
    kAntHam,
    kFairC,
    kAntHa1,
    kFairP,
    kGreenC,
    kAntHa2,
    kGreenP,
    kPuttC,
    kPuttRe,
    kPuttP,
    kChipC,
    kChipRu,
    kChipP,
    kPitchC,
    kPitchRu,
    kPitchP,
    kBunkC,
    kBunkRu,
    kBunkP,
    kSummaryLabels
};
using SummaryTexts = std::array<QString, kSummaryLabels>;

// Every label "0": what the window shows when no summary is written.
SummaryTexts zeroSummary();

// The summary after the scan. Averages and rates are cut, not rounded, in double
// precision left to right: Int(putts / rounds x 10) / 10 per round, Int(putts /
// (holes x rounds) x 100) / 100 per hole, Int(hits / (holes x rounds) x 10000) / 100 in
// per cent. Rounds are the "M" and "F" rounds; the fairway rate alone uses the "F"
// rounds. With no "M" or "F" round only the counts are written.
SummaryTexts summaryTexts(const ExtendedCounts &counts, int takenRounds, int holes);

} // namespace analysis
