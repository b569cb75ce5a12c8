#include "analysis/graphic.h"

#include "store/numbers.h"

#include <cmath>
#include <numeric>

namespace analysis {

namespace {

using platform::DisplayList;

// The lower graph: the x-axis at y 6000 holds the base; 70 strokes span 2000 twips.
constexpr double kAxisY = 6000;
constexpr double kTwipsPerStroke = 2000.0 / 70;
constexpr double kFirstBarX = 500;
constexpr double kBarStep = 250;
constexpr double kBarWidth = 100;
constexpr double kGridStart = 500;
constexpr double kGridEnd = 9100;
constexpr double kGridStep = 200;
// The base of a course that does not have 18 holes, whatever its par.
constexpr double kShortCourseBase = 26;

// The upper graph: the par line at y 3300, 200 twips per stroke over or under par.
constexpr double kParLineY = 3300;
constexpr double kTwipsPerHoleStroke = 200;
constexpr double kHoleWidth = 400;

const QString kDateOrderMessage =
    QStringLiteral("VALT DATUM from MÅSTE VARA LIKA ELLER MINDRE ÄN DATUM tom ");
const QString kNoRoundMessage = QStringLiteral("INGA REGISTRERADE RUNDOR MED OVANSTÅENDE VALDA SÖKBEGREPP");

double strokesAboveBase(double strokes, double base)
{
    return kAxisY - (strokes - base) * kTwipsPerStroke;
}

// The messages stand on the surface, after a dot in the fore colour.
void surfaceMessage(DisplayList &list, const QString &text)
{
    list.textAt(1000, 5000, text, std::nullopt);
}

void drawScale(DisplayList &list, double par, double base)
{
    list.line(kFirstBarX, kAxisY, 9000, kAxisY, platform::kBgrRed);
    list.line(kFirstBarX, kAxisY, kFirstBarX, 4000, platform::kBgrRed);
    const auto label = [&](double value, double lineY) {
        list.numberAt(value < 100 ? 110 : 20, lineY - 110, value);
    };
    label(base, kAxisY);
    for (int above = 70; above >= 10; above -= 10) {
        const double lineY = kAxisY - above * 2000.0 / 70;
        label(par + above - 10, lineY);
        // The lowest grid line, in white, is the par line.
        list.dottedLine(kGridStart, kGridEnd, kGridStep, lineY,
                        above == 10 ? platform::kBgrWhite : platform::kBgrRed);
    }
}

double roundTotal(const store::Tables &tables, int row)
{
    const int holes = store::holesOf(tables.rundtabell[row][store::kAntalHal]);
    // A round the stroke file did not reach (it is missing or shorter) counts no strokes.
    const store::StrokeRow &strokes = store::strokesOf(tables, row);
    double total = 0;
    for (int h = 0; h < holes; ++h)
        total += store::numericValue(strokes[h].text);
    return total;
}

// Returns the bar's total.
double drawBar(DisplayList &list, const store::Tables &tables, int row, double x, double base)
{
    list.point(x, kAxisY, platform::kBgrRed);
    const double total = roundTotal(tables, row);
    const double top = strokesAboveBase(total, base);
    list.line(x, 5990, x, top, platform::kBgrYellow);
    list.line(x, top, x + kBarWidth, top, platform::kBgrYellow);
    list.line(x + kBarWidth, top, x + kBarWidth, kAxisY, platform::kBgrBlack);
    const QString &datum = tables.rundtabell[row][store::kDatum];
    list.textAt(x - 40, 6010, datum.mid(2, 2));
    list.textAt(x - 40, 6195, datum.mid(5, 2));
    list.textAt(x - 40, 6370, datum.mid(8, 2));
    return total;
}

void drawHoleFrame(DisplayList &list, int holes)
{
    list.line(500, 1500, 500, 3500, platform::kBgrRed);
    list.line(500, 3700, 500, 1500, platform::kBgrRed);
    list.line(500, kParLineY, 8000, kParLineY, platform::kBgrRed);
    list.line(100, 3880, 9000, 3880, platform::kBgrBlack);
    for (int h = 1; h <= 9; ++h)
        list.numberAt(600 + (h - 1) * kHoleWidth, 3700, h);
    if (holes != 9) {
        for (int h = 10; h <= 18; ++h)
            list.numberAt(4125 + (h - 10) * kHoleWidth, 3700, h);
    }
    static const QString kLabels[] = {QStringLiteral(" +9"), QStringLiteral(" +8"), QStringLiteral(" +7"),
                                      QStringLiteral(" +6"), QStringLiteral(" +5"), QStringLiteral(" +4"),
                                      QStringLiteral(" +3"), QStringLiteral(" +2"), QStringLiteral(" +1"),
                                      QStringLiteral("PAR"), QStringLiteral(" -1"), QStringLiteral(" -2")};
    double y = 1400;
    for (const QString &label : kLabels) {
        list.textAt(100, y, label);
        if (label != QStringLiteral("PAR"))
            list.dottedLine(500, 7700, 400, y + 100, platform::kBgrBlack);
        y += 200;
    }
}

void drawHole(DisplayList &list, double hx, double par, double strokes)
{
    if (strokes == par) {
        list.numberAt(hx + 200, 3200, par);
        list.circle(hx + 310, 3280, 150, platform::kBgrYellow);
        return;
    }
    // Never clipped: far over par rises past the scale, far under reaches the lower graph.
    const double top = kParLineY - kTwipsPerHoleStroke * (strokes - par);
    list.line(hx + 200, 3290, hx + 200, top, platform::kBgrYellow);
    list.line(hx + 200, top, hx + 400, top, platform::kBgrYellow);
    list.line(hx + 400, top, hx + 400, kParLineY);
    list.textAt(hx + 200, 3200, platform::printedNumber(par), platform::kBgrYellow);
}

} // namespace

std::optional<GraphCourse> findGraphCourse(const store::Tables &tables, const QString &name)
{
    const std::optional<int> row = store::lastCourseNamed(tables, name);
    if (!row)
        return std::nullopt;
    const store::Pars pars = store::parsOf(tables, *row);
    return GraphCourse{*row, store::holesOf(tables.bantabell[*row][store::kCourseAntalHal]),
                       std::accumulate(pars.begin(), pars.end(), 0.0)};
}

TotalsGraph drawTotalsGraph(const store::Tables &tables, const GraphCourse &course,
                            const GraphicChoice &choice, DisplayList &list)
{
    const double base = course.holes == 18 ? course.par - 10 : kShortCourseBase;
    drawScale(list, course.par, base);

    const RoundSelection selection = selectRounds(tables, choice, [&choice](const store::RoundRow &round) {
        const double hcp = store::numericValue(round[store::kHcpFore]);
        return hcp >= choice.hcpFrom && hcp <= choice.hcpTo;
    });
    TotalsGraph graph;
    if (selection.reversedDates || selection.rows.empty()) {
        surfaceMessage(list, selection.reversedDates ? kDateOrderMessage : kNoRoundMessage);
        return graph;
    }
    double x = kFirstBarX;
    double sum = 0;
    for (int r : selection.rows) {
        x += kBarStep;
        sum += drawBar(list, tables, r, x, base);
    }
    graph.lastRound = selection.rows.back();
    const double average = sum / double(selection.rows.size());
    graph.average = store::numberText(std::floor(average * 10) / 10);
    list.dottedLine(kGridStart, kGridEnd, kGridStep, strokesAboveBase(average, base), platform::kBgrWhite);
    return graph;
}

QString drawHoleGraph(const store::Tables &tables, const GraphCourse &course, std::optional<int> round,
                      DisplayList &list)
{
    drawHoleFrame(list, course.holes);
    double total = 0;
    if (!round)
        return store::numberText(total);
    const store::Pars pars = store::parsOf(tables, course.row);
    const store::StrokeRow &strokes = store::strokesOf(tables, *round);
    for (int h = 1; h <= course.holes; ++h) {
        const double par = pars[h - 1];
        const double played = store::numericValue(strokes[h - 1].text);
        total += played;
        drawHole(list, kHoleWidth * h, par, played);
    }
    return store::numberText(total);
}

int handicapFromPreset(const QString &hcpEfter, int low, int high)
{
    return store::clampedWhole(store::numericValue(hcpEfter) + 0.5, low + 1, high + 1) - 1;
}

} // namespace analysis
