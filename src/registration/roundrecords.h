#pragma once

#include "registration/roundentry.h"
#include "store/tables.h"

#include <QString>
#include <QStringView>

#include <optional>

// The records of a new round, built from what the round register holds at "SPARA":
// the runda fields joined from the texts of its controls without any check, the
// strokes of the holes, and the extended-registration string of its level.
namespace registration {

// The texts of the register's controls, as they stand.
struct RoundInput
{
    QString year;
    QString month;
    QString day;
    QString course;
    QString hcpForeWhole;
    QString hcpForeTenth;
    QString hcpEfterWhole;
    QString hcpEfterTenth;
    QString slopeWhole;
    QString slopeTenth;
    QString points;
    QString playType;
    QString note;
    QString level; // "INGEN", "MELLAN" or "FULL"
    int sista_hal = -1;
};

store::RoundRow roundRecord(const RoundInput &input);

// All 18 slots as texts; a slot without strokes becomes "0".
store::StrokeRow strokeRecord(const HoleValues &values);

// utokad_rad for the level's caption and the number of holes; nothing when the round
// has neither 9 nor 18 holes or the caption is no level.
std::optional<QString> extendedRecord(QStringView level, int holes, const HoleValues &values);

// Every played hole holds at least one stroke.
bool strokesComplete(const HoleValues &values, int holes);

} // namespace registration
