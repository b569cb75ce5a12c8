#pragma once

#include "analysis/roundselection.h"
#include "platform/displaylist.h"
#include "store/tables.h"

#include <QString>
#include <QStringList>

#include <optional>

// The two graphs of the graphic display: the totals of a course's rounds as bars
// against a scale around par (lower graph), and the last of those rounds hole by hole
// against par (upper graph). Plain functions over the window's tables that draw into a
// display list; the window reads its controls into a GraphicChoice and writes back
// the captions these functions return.
namespace analysis {

// The rounds of the date choice whose hcp_fore lies in the handicap range.
struct GraphicChoice : DateChoice
{
    double hcpFrom = 0; // the handicap range, both ends included
    double hcpTo = 0;
};

// The course a press of "VISA" draws: the last row of the course table with the chosen
// name, its hole count and the sum of its pars.
struct GraphCourse
{
    int row = 0;
    int holes = 0;
    double par = 0;
};
std::optional<GraphCourse> findGraphCourse(const store::Tables &tables, const QString &name);

struct TotalsGraph
{
    std::optional<int> lastRound;   // the rundtabell row of the last bar
    std::optional<QString> average; // the average's caption, when it is shown
};

// The lower graph: axes, the scale around par, one bar per chosen round with its date
// under it, the average line; or one of the two messages on the surface.
TotalsGraph drawTotalsGraph(const store::Tables &tables, const GraphCourse &course,
                            const GraphicChoice &choice, platform::DisplayList &list);

// The upper graph: frame, hole numbers and scale, and the round's holes against par when
// there is a round. Returns the round's total strokes over the course's holes as a
// caption ("0" with no round).
QString drawHoleGraph(const store::Tables &tables, const GraphCourse &course, std::optional<int> round,
                      platform::DisplayList &list);

// The preset of the lower handicap bar: hcp_efter rounded half up to a whole number,
// minus 1 (12.4 gives 11, 0.0 gives -1), held within the bar's range low..high.
int handicapFromPreset(const QString &hcpEfter, int low, int high);

} // namespace analysis
