#pragma once

#include "maintenance/holeclass.h"
#include "store/tables.h"

#include <QString>
#include <QStringList>

// The report of one course over a range of years: the course's rounds of those years in
// file order, one line per round, the per-hole tally, and the averages.
namespace maintenance {

struct ReportQuery
{
    QString course;      // the clicked name, compared with each round's bannamn exactly
    int courseRow = 0;   // its bantabell row, which gives the pars
    double fromYear = 0; // both years included
    double toYear = 0;
};

struct Report
{
    QStringList roundLines; // rapport_rundrad, one per taken round, in file order
    HoleTally tally;
    int lastRoundHoles = 0;  // rapport_antal_hal: the hole count of the last round taken
    double roundAverage = 0; // snitt_runda, rounded to one decimal
    PerHole holeAverages{};  // hal_snitt, rounded; holes 10-18 only when reported

    int roundCount() const { return int(roundLines.size()); } // rapport_antal
    // The holes the report shows: 9 when the last round taken had 9 holes, else 18.
    int reportedHoles() const { return lastRoundHoles == 9 ? 9 : store::kMaxHoles; }
};

// The round line: datum, the round's strokes with a leading blank, the type of play in the
// report's words (an unknown code as stored), the handicaps, the points and, after one
// blank, the note, each field as stored.
QString roundLine(const store::RoundRow &round, double strokes);

// Makes the report from the tables' rounds 0 .. sista_index of the round file. The
// pars of holes no taken round reaches are kept from earlier reports (parsBefore). With
// no round taken there are no averages and nothing to write.
Report makeReport(const store::Tables &tables, const ReportQuery &query, const PerHole &parsBefore);

} // namespace maintenance
