#include "analysis/handicapgraph.h"

#include "store/numbers.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace handicapgraph {

namespace {

// The rows the round file counts, bounded by the table.
int roundCount(const store::Tables &tables)
{
    return std::min(store::recordCount(tables.sistaRounds), int(tables.rundtabell.size()));
}

double yearOf(const store::RoundRow &round)
{
    return store::numericValue(QStringView(round[store::kDatum]).left(4));
}

double handicapAfter(const store::RoundRow &round)
{
    return store::numericValue(round[store::kHcpEfter]);
}

int clampedWhole(double value, int low, int high)
{
    return int(std::clamp(value, double(low), double(high)));
}

// A number printed on the surface: a blank before it when not negative, one after it.
QString printedNumber(double value)
{
    return store::numberTextWithBlank(value) + u' ';
}

Box boxOf(const store::RoundRow &round, int row, int count, double x, double top)
{
    const QString &datum = round[store::kDatum];
    return {.row = row,
            .count = count,
            .x = x,
            .top = top,
            .texts = {{{datum.mid(2, 2), {x, 3800}},
                       {datum.mid(5, 2), {x, 4000}},
                       {datum.mid(8, 2), {x, 4200}},
                       // Neighbouring boxes write their handicaps on alternate rows.
                       {round[store::kHcpEfter], {x, count % 2 == 0 ? 4450.0 : 4650.0}}}}};
}

} // namespace

std::optional<Ranges> presets(const store::Tables &tables)
{
    const int rounds = roundCount(tables);
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
    Ranges ranges;
    ranges.upper = clampedWhole(highest >= kMaxHandicap ? highest : std::floor(highest + 1), kMinHandicap + 1,
                                kMaxHandicap);
    ranges.lower = clampedWhole(std::floor(lowest), kMinHandicap, ranges.upper - 1);
    ranges.firstYear = clampedWhole(firstYear, kMinYear, kMaxYear);
    ranges.lastYear = clampedWhole(lastYear, kMinYear, kMaxYear);
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

const std::array<PlacedText, 4> &legend()
{
    static const std::array<PlacedText, 4> texts{
        {{u"ÅR"_s, {200, 3800}}, {u"MÅN"_s, {200, 4000}}, {u"DAG"_s, {200, 4200}}, {u"HCP"_s, {200, 4550}}}};
    return texts;
}

Graph graph(const store::Tables &tables, const Captions &captions)
{
    const double upper = store::numericValue(captions.upper);
    const double lower = store::numericValue(captions.lower);
    const double firstYear = store::numericValue(captions.firstYear);
    const double lastYear = store::numericValue(captions.lastYear);
    const double range = upper - lower;

    Graph result;
    result.scale = {{{captions.upper, {200, 725}, 900},
                     {printedNumber(lower + 3.0 / 4.0 * range), {130, 1400}, 1575},
                     {printedNumber(lower + 1.0 / 2.0 * range), {130, 2075}, 2250},
                     {printedNumber(lower + 1.0 / 4.0 * range), {130, 2750}, 2925},
                     {captions.lower, {200, 3425}, 3620}}};
    if (range <= 0)
        return result;

    const int rounds = roundCount(tables);
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
        result.boxes.push_back(boxOf(round, i, count, x, kFoot - (after - lower) * kHeight / range));
    }
    return result;
}

} // namespace handicapgraph
