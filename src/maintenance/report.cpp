#include "maintenance/report.h"

#include "store/dates.h"
#include "store/numbers.h"
#include "store/records.h"

#include <algorithm>
#include <numeric>

namespace maintenance {

QString roundLine(const store::RoundRow &round, double strokes)
{
    QString line;
    line.reserve(128);
    line += round[store::kDatum];
    line += u"   ";
    line += store::numberTextWithBlank(strokes);
    line += u"   ";
    line += store::playTypeWord(round[store::kSpeltyp], store::PlayTypeWords::Report);
    line += u" HCP ";
    line += round[store::kHcpFore];
    line += u" HCP Slope ";
    line += round[store::kSlopeHcp];
    line += u" Antal poäng ";
    line += round[store::kAntalPoang];
    line += u" HCP efter ";
    line += round[store::kHcpEfter];
    line += u' ';
    line += round[store::kRundinfo];
    return line;
}

namespace {

// The strokes of the holes that the round's sum or its tally reads.
PerHole strokeNumbers(const store::StrokeRow &row, int roundHoles)
{
    PerHole strokes{};
    const int read = std::max(roundHoles, talliedHoles(roundHoles));
    for (int i = 0; i < read; ++i)
        strokes[i] = store::numericValue(row[i].text);
    return strokes;
}

void workOutAverages(Report &report, double totalStrokes)
{
    const double count = report.roundCount();
    report.roundAverage = store::roundOneDecimal(totalStrokes / count);
    // Every hole divides by all taken rounds, also rounds that did not reach it.
    for (int i = 0; i < report.reportedHoles(); ++i)
        report.holeAverages[i] = store::roundOneDecimal(report.tally.strokeSums[i] / count);
}

} // namespace

Report makeReport(const store::Tables &tables, const ReportQuery &query, const PerHole &parsBefore)
{
    Report report;
    report.tally.pars = parsBefore;
    const PerHole pars = store::parsOf(tables, query.courseRow);
    const int rounds = store::heldRounds(tables);
    double totalStrokes = 0;
    for (int row = 0; row < rounds; ++row) {
        const store::RoundRow &round = tables.rundtabell[row];
        if (round[store::kBannamn] != query.course)
            continue;
        const double year = store::readDate(round[store::kDatum]).year;
        if (year < query.fromYear || year > query.toYear)
            continue;
        // A round past the end of a shorter stroke file has no strokes.
        const int holes = store::holesOf(round[store::kAntalHal]);
        const PerHole strokes = strokeNumbers(store::strokesOf(tables, row), holes);
        const double roundStrokes = std::accumulate(strokes.begin(), strokes.begin() + holes, 0.0);
        totalStrokes += roundStrokes;
        report.lastRoundHoles = holes;
        tallyRound(report.tally, holes, strokes, pars);
        report.roundLines.append(roundLine(round, roundStrokes));
    }
    if (report.roundCount() > 0)
        workOutAverages(report, totalStrokes);
    return report;
}

} // namespace maintenance
