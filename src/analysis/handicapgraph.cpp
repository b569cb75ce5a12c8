#include "analysis/handicapgraph.h"

#include "store/dates.h"
#include "store/numbers.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace analysis {

namespace {

double yearOf(const store::RoundRow &round)
{
    return store::readDate(round[store::kDatum]).year;
}

double handicapAfter(const store::RoundRow &round)
{
    return store::numericValue(round[store::kHcpEfter]);
}

// The graph's measures in twips.
constexpr double kFoot = 3600;   // y of the foot of every box
constexpr double kHeight = 2700; // what the scale's range spans
constexpr double kBoxWidth = 250;
constexpr double kInnerLine = 35; // the white line's distance from a box's left side
constexpr double kStep = 400;     // from one box to the next
constexpr double kStartX = 500;   // x before the first box
constexpr double kLastX = 10500;  // no box to the right of this x
constexpr double kGridFrom = 200;
constexpr double kGridTo = 12000;

void drawScale(const HandicapCaptions &captions, double lower, double range, platform::DisplayList &list)
{
    const auto gridLine = [&list](double y) { list.line(kGridFrom, y, kGridTo, y); };
    list.textAt(200, 725, captions.upper);
    gridLine(900);
    list.numberAt(130, 1400, lower + 3.0 / 4.0 * range);
    gridLine(1575);
    list.numberAt(130, 2075, lower + 1.0 / 2.0 * range);
    gridLine(2250);
    list.numberAt(130, 2750, lower + 1.0 / 4.0 * range);
    gridLine(2925);
    list.textAt(200, 3425, captions.lower);
    gridLine(3620);
}

void drawLegend(platform::DisplayList &list)
{
    list.textAt(200, 3800, u"ÅR"_s);
    list.textAt(200, 4000, u"MÅN"_s);
    list.textAt(200, 4200, u"DAG"_s);
    list.textAt(200, 4550, u"HCP"_s);
}

// Sides and top, no bottom: the box stands 20 above the lowest grid line. Under it the
// year's last two digits, the month, the day and the stored hcp_efter; neighbouring boxes
// write their handicaps on alternate rows around the legend "HCP".
void drawBox(const store::RoundRow &round, int count, double x, double top, platform::DisplayList &list)
{
    list.line(x, kFoot, x, top);
    list.line(x + kInnerLine, kFoot, x + kInnerLine, top, platform::kBgrWhite);
    list.line(x, top, x + kBoxWidth, top);
    list.line(x + kBoxWidth, top, x + kBoxWidth, kFoot);
    const QString &datum = round[store::kDatum];
    list.textAt(x, 3800, datum.mid(2, 2));
    list.textAt(x, 4000, datum.mid(5, 2));
    list.textAt(x, 4200, datum.mid(8, 2));
    list.textAt(x, count % 2 == 0 ? 4450 : 4650, round[store::kHcpEfter]);
}

} // namespace

std::optional<HandicapRanges> handicapPresets(const store::Tables &tables)
{
    const int rounds = store::heldRounds(tables);
    if (rounds == 0)
        return std::nullopt;
    double highest = -3;
    double lowest = 56;
    double firstYear = yearOf(tables.rundtabell[0]);
    double lastYear = firstYear;
    for (int i = 0; i < rounds; ++i) {
        const store::RoundRow &round = tables.rundtabell[i];
        const double before = store::numericValue(round[store::kHcpFore]);
        const double after = handicapAfter(round);
        highest = std::max({highest, before, after});
        lowest = std::min({lowest, before, after});
        firstYear = std::min(firstYear, yearOf(round));
        lastYear = std::max(lastYear, yearOf(round));
    }
    HandicapRanges ranges;
    ranges.upper = store::clampedWhole(highest >= kMaxHandicap ? highest : std::floor(highest + 1), kMinHandicap + 1,
                                kMaxHandicap);
    ranges.lower = store::clampedWhole(std::floor(lowest), kMinHandicap, ranges.upper - 1);
    ranges.firstYear = store::clampedWhole(firstYear, store::kFirstYear, store::kLastYear);
    ranges.lastYear = store::clampedWhole(lastYear, store::kFirstYear, store::kLastYear);
    return ranges;
}

int lowerAfterMove(int value, int upper)
{
    return value >= upper ? upper - 1 : value;
}

int upperAfterMove(int value, int lower)
{
    return value <= lower ? lower + 1 : value;
}

int firstYearAfterMove(int value, int lastYear)
{
    return std::min(value, lastYear);
}

int lastYearAfterMove(int value, int firstYear)
{
    return std::max(value, firstYear);
}

void drawHandicapGraph(const store::Tables &tables, const HandicapCaptions &captions,
                       platform::DisplayList &list)
{
    const double upper = store::numericValue(captions.upper);
    const double lower = store::numericValue(captions.lower);
    const double firstYear = store::numericValue(captions.firstYear);
    const double lastYear = store::numericValue(captions.lastYear);
    const double range = upper - lower;

    list.clear();
    drawScale(captions, lower, range, list);
    drawLegend(list);
    if (range <= 0)
        return;

    const int rounds = store::heldRounds(tables);
    double x = kStartX;
    bool firstFound = false;
    int count = 0;
    for (int i = 0; i < rounds; ++i) {
        const store::RoundRow &round = tables.rundtabell[i];
        const double year = yearOf(round);
        const double after = handicapAfter(round);
        if (year < firstYear || year > lastYear || after < lower || after > upper)
            continue;
        if (!firstFound) {
            // The first round in the ranges counts as a change when its handicap differs in
            // number from that of the round before it in the file, whatever that round is.
            firstFound = true;
            if (i > 0 && handicapAfter(tables.rundtabell[i - 1]) == after)
                continue;
        } else {
            // Later rounds compare their own two texts, so "12" against "12.0" is a change.
            if (round[store::kHcpEfter] == round[store::kHcpFore] || x + kStep > kLastX)
                continue;
            ++count;
        }
        x += kStep;
        drawBox(round, count, x, kFoot - (after - lower) * kHeight / range, list);
    }
}

} // namespace analysis
