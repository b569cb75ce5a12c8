#include "maintenance/report.h"

#include "store/numbers.h"
#include "store/records.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace report {

double yearOf(const QString &datum)
{
    return store::numericValue(QStringView(datum).left(4));
}

namespace {

// The report names the types of play with words of its own.
constexpr store::PlayType kReportPlayTypes[] = {
    {u'T', u"Tävling"}, {u'S', u"Sällskapspel"}, {u'E', u"Ensamspel"}};

} // namespace

QString playTypeWord(const QString &speltyp)
{
    for (const store::PlayType &type : kReportPlayTypes)
        if (speltyp.size() == 1 && speltyp[0] == type.code)
            return type.word.toString();
    return speltyp;
}

QString roundLine(const store::RoundRow &round, double strokes)
{
    return round[store::kDatum] + u"   "_s + store::numberTextWithBlank(strokes) + u"   "_s +
           playTypeWord(round[store::kSpeltyp]) + u" HCP "_s + round[store::kHcpFore] + u" HCP Slope "_s +
           round[store::kSlopeHcp] + u" Antal poäng "_s + round[store::kAntalPoang] + u" HCP efter "_s +
           round[store::kHcpEfter] + u' ' + round[store::kRundinfo];
}

namespace {

double strokeSum(const store::StrokeRow &strokes, int holes)
{
    double sum = 0;
    for (int i = 0; i < holes; ++i)
        sum += store::numericValue(strokes[i].text);
    return sum;
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
    const store::CourseRow &course = tables.bantabell.at(query.courseRow);
    const int rounds = std::min(store::recordCount(tables.sistaRounds), int(tables.rundtabell.size()));
    const store::StrokeRow noStrokes;
    double totalStrokes = 0;
    for (int row = 0; row < rounds; ++row) {
        const store::RoundRow &round = tables.rundtabell[row];
        if (round[store::kBannamn] != query.course)
            continue;
        const double year = yearOf(round[store::kDatum]);
        if (year < query.fromYear || year > query.toYear)
            continue;
        // A round past the end of a shorter stroke file has no strokes.
        const store::StrokeRow &strokeRow =
            row < int(tables.slagtabell.size()) ? tables.slagtabell[row] : noStrokes;
        const int holes = store::holesOf(round[store::kAntalHal]);
        const double strokes = strokeSum(strokeRow, holes);
        totalStrokes += strokes;
        report.lastRoundHoles = holes;
        tallyRound(report.tally, holes, strokeRow, course);
        report.roundLines.append(roundLine(round, strokes));
    }
    if (report.roundCount() > 0)
        workOutAverages(report, totalStrokes);
    return report;
}

} // namespace report
