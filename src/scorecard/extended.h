#pragma once

#include "store/format.h"
#include "store/records.h"

#include <QString>

#include <array>

// The extended registration of a round as the scorecard shows it: one text per hole that
// sets the six entries under the words of the column head, and six round totals.
namespace scorecard {

struct ExtendedCard
{
    // Texts of holes 1 .. holesWritten; the card keeps what the later holes showed.
    std::array<QString, store::kMaxHoles> holes;
    int holesWritten = 0;
    // Fairways hit, greens hit, bunker shots, pitches, chips, putts: empty where the
    // level records nothing.
    std::array<QString, 6> totals;
    // The level whose spacing the hole texts have.
    store::Level level = store::Level::Ingen;
};

// What a hole shows when nothing of it is registered.
QString blankHoleText();

// utokad_rad: the level letter (store::levelOfRecord), then kExtendedCharsPerHole
// characters per hole. A short string gives empty entries.
ExtendedCard extendedCard(const QString &utokadRad, int holes);

} // namespace scorecard
