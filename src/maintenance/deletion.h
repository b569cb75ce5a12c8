#pragma once

#include "store/filechange.h"
#include "store/tables.h"

#include <QString>

#include <optional>

// The deletion window's work over its tables: the earliest round year for the year bar,
// the chosen date in its two forms, and the new contents of the data files after a course
// with its rounds, or every round of a date, is taken out. Kept records keep their order
// and the three round files drop the same positions, so they stay parallel.
namespace maintenance {

// The earliest year of the rounds: a ten-character datum by its first four characters,
// an eight-character one (04-08-24) as 1900 plus its first two. store::kLastYear, the top of
// the year bar, when there is no round; nothing when a datum has another length.
std::optional<int> earliestYear(const store::Tables &tables);

// A month or day caption of one character gets a "0" in front ("8" becomes "08").
QString twoDigitCaption(const QString &caption);

// The chosen date as rounds may carry it: 2004-08-24, and with the two-digit year 04-08-24.
struct DeletionDate
{
    QString full;
    QString shortForm;
};
// From the captions of the year, month and day labels, month and day of two digits.
DeletionDate deletionDate(const QString &year, const QString &month, const QString &day);

// The three round files without every round whose datum is either form of the date,
// whatever its course, in the order VERUNDAR, VERUNDAH, VERUNDAK. Refused when the three
// files hold different numbers of rounds: they cannot be rewritten in step.
store::FileChange deleteRoundsOfDate(const store::Tables &tables, const DeletionDate &date);

// The four data files without every course named `name` (exact text) and without every
// round played on it, in the order VEMTORBF, VERUNDAR, VERUNDAH, VERUNDAK. Refused when
// the three round files hold different numbers of rounds.
store::FileChange deleteCourse(const store::Tables &tables, const QString &name);

} // namespace maintenance
