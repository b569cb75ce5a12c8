#pragma once

#include "store/format.h"
#include "store/tables.h"

#include <QStringView>

#include <array>
#include <optional>

// The report's per-hole tally: each taken round adds its strokes on every hole it played
// to the hole's sum, writes the hole's par, and counts the strokes in one result class.
namespace maintenance {

// halklass, in the order of the report's columns.
enum class HoleClass { HIO, Albatross, Eagle, Birdie, Par, Bogey, Dubbel, Trippel, Annat };
inline constexpr int kClassCount = 9;
inline constexpr std::array<QStringView, kClassCount> kClassHeadings = {
    u"HIO", u"Albatross", u"Eagle", u"Birdie", u"Par", u"Bogey", u"Dubbel", u"Trippel", u"Annat"};

// The class of s strokes on a hole of par p. One stroke is a hole in one whatever the
// par; otherwise s must equal p - 3 .. p + 3 exactly, or exceed p + 3 for "Annat". Any
// other s (far below par, or a fraction) is in no class.
std::optional<HoleClass> holeClass(double strokes, double par);

using PerHole = std::array<double, store::kMaxHoles>; // hole h at index h - 1
using ClassCounts = std::array<int, kClassCount>;

struct HoleTally
{
    PerHole strokeSums{}; // hal_slagsumma
    PerHole pars{};       // hal_par: kept from earlier reports for holes no round reached
    std::array<ClassCounts, store::kMaxHoles> classCounts{}; // halklass_antal
};

// The holes a round with this hole count tallies: 18 for 18, 9 for any other count. The
// course's own hole count is not consulted; the course row only gives the pars.
int talliedHoles(int roundHoles);

// Adds one round to the tally: its strokes per hole (as numbers) against the course's pars.
void tallyRound(HoleTally &tally, int roundHoles, const PerHole &strokes, const PerHole &pars);

} // namespace maintenance
