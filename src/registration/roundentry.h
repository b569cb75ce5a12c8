#pragma once

#include "store/format.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The round under entry in the round register, and the values its load derives from
// the course table, today's date and the latest stored round.
namespace registration {

// Slot h-1 belongs to hole h. A slot never written holds nothing: an empty text for
// the strokes, no value for the others. Slots of holes not shown since the register
// loaded keep what an earlier round left there.
struct HoleValues
{
    std::array<QString, store::kMaxHoles> hal_slag; // strokes as the text shown for the hole
    std::array<std::optional<int>, store::kMaxHoles> hal_fairway;
    std::array<std::optional<int>, store::kMaxHoles> hal_green;
    std::array<std::optional<int>, store::kMaxHoles> hal_bunker;
    std::array<std::optional<int>, store::kMaxHoles> hal_pitch;
    std::array<std::optional<int>, store::kMaxHoles> hal_chip;
    std::array<std::optional<int>, store::kMaxHoles> hal_putt;
};

// Zeroes the six extended slots of one hole (index 0..17).
void zeroExtended(HoleValues &values, int hole);

// sista_hal: the leading number of a course's antal_hal minus 1 (-1 for a row without holes).
int lastHoleIndex(QStringView antalHal);
// The hole bar's maximum for sista_hal: never below 0, never past the 18th hole.
int holeBarMaximum(int sista_hal);

// The top of the handicap bars.
inline constexpr int kHandicapMax = 54;

// A handicap default split for its two bars: the whole part clamped to the bar's 0..54,
// and the tenth, the last digit of the value written out (0 for a whole value).
struct HandicapParts
{
    int whole = 0;
    int tenth = 0;
    friend bool operator==(const HandicapParts &, const HandicapParts &) = default;
};
HandicapParts handicapParts(QStringView text);

// The year bar's range.
inline constexpr int kFirstRoundYear = 1995;
inline constexpr int kLastRoundYear = 2040;

// The year of today's "MM-DD-YYYY", clamped to the year bar's range.
int yearDefault(QStringView today);

} // namespace registration
