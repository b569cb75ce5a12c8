#pragma once

#include "store/tables.h"

#include <QString>

// The year range of the report window. A click keeps the years on the bars or resets
// them to the clicked course's first and last round year.
namespace maintenance {

// What the window remembers between clicks; all 0 when the window loads.
struct ReportCounters
{
    int rapport_raknare = 0; // reports made since the latest year reset; only 0 or not is read
    int forsta_ar = 0;       // the first and last year the latest reset found
    int sista_ar = 0;
    int rapport_banrad = 0; // the course row of the latest report

    // Before the report of a click: the click's course row, one more report.
    void reportSetUp(int courseRow)
    {
        rapport_banrad = courseRow;
        ++rapport_raknare;
    }
};

// Whether a click on the course of this row resets the years. Before any report since
// the latest reset, the bars are reset only while they still show that reset's years;
// after a report, the same course keeps them and another course resets them.
bool yearResetDue(const ReportCounters &counters, int fromBar, int toBar, int courseRow);

struct YearSpan
{
    int first = 0;
    int last = 0;
};

// arsaterstallning: the years of the course's first and last round among rounds
// 0 .. sista_index (file order is date order). They become forsta_ar and sista_ar and
// the range of both bars; a course with no round gives 0 to 0 and keeps forsta_ar and
// sista_ar. Sets rapport_raknare to 0.
YearSpan yearReset(ReportCounters &counters, const store::Tables &tables, const QString &course);

} // namespace maintenance
