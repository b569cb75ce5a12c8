#pragma once

#include "store/format.h"
#include "store/records.h"

#include <QString>

#include <array>

// The extended registration of a round as the scorecard shows it: one text per hole that
// sets the six entries apart by blanks, where each entry stands in it, and six round totals.
namespace scorecard {

// Where an entry stands in its hole's text: its first character and its length, its
// blanks included; an entry the record does not hold has length 0.
struct EntrySpan
{
    qsizetype start = 0;
    qsizetype length = 0;

    bool operator==(const EntrySpan &) const = default;
};

struct ExtendedCard
{
    // Texts of holes 1 .. holesWritten; the card keeps what the later holes showed.
    std::array<QString, store::kMaxHoles> holes;
    // The six entries of each hole written (fairway, green, bunker shots, pitches, chips,
    // putts) in its text, so that the window can show each under its own head.
    std::array<std::array<EntrySpan, 6>, store::kMaxHoles> entries{};
    int holesWritten = 0;
    // Fairways hit, greens hit, bunker shots, pitches, chips, putts: empty where the
    // level records nothing.
    std::array<QString, 6> totals;
};

// What a hole shows when nothing of it is registered.
QString blankHoleText();

// utokad_rad: the level letter (store::levelOfRecord), then kExtendedCharsPerHole
// characters per hole. A short string gives empty entries.
ExtendedCard extendedCard(const QString &utokadRad, int holes);

} // namespace scorecard
