#pragma once

#include "store/tables.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// Which of a course's rounds an analysis takes, from the user's choice in the two date
// lists. Both lists hold the course's round dates in row order, so an entry's position
// is its round's ordinal among the course's rounds.
namespace analysis {

struct DateChoice
{
    QString course;      // the chosen course name, compared exactly
    QString fromDate;    // the selected from-entry, empty when none
    QString toDate;      // the selected to-entry, empty when none
    int toPosition = -1; // the to-entry's list position, -1 when none
};

struct RoundSelection
{
    bool hasRound = false;      // some round names the course, whatever its date
    bool reversedDates = false; // the to-date is earlier than the from-date
    std::vector<int> rows;      // the rows taken, in row order
};

// The dates of the course's rounds in row order: the entries of both date lists.
QStringList courseDates(const store::Tables &tables, const QString &course);

// Scans rows 0 .. the last round in row order. Every round of the course counts as one
// ordinal; a round `takes` refuses is passed over after that. The first other one found
// with the dates reversed ends the scan with nothing taken.
// A round earlier than the from-date is skipped; the round at the to-position with the
// to-date is taken and ends the scan; any other round is taken unless it is later than
// the to-date. With no to-date no round is taken: every date is later than an empty one.
RoundSelection selectRounds(const store::Tables &tables, const DateChoice &choice,
                            const std::function<bool(const store::RoundRow &)> &takes = {});

} // namespace analysis
