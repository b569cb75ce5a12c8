#include "analysis/analysis.h"

#include "store/numbers.h"
#include "store/records.h"

namespace analysis {

namespace {

struct Course
{
    int holes = 0;
    HoleValues pars{};
};

// The last row of the course table that bears the name.
Course courseNamed(const store::Tables &tables, const QString &name)
{
    Course course;
    const std::optional<int> row = store::lastCourseNamed(tables, name);
    if (!row)
        return course;
    course.holes = store::holesOf(tables.bantabell[*row][store::kCourseAntalHal]);
    course.pars = store::parsOf(tables, *row);
    return course;
}

struct HoleTally
{
    HoleValues parSums{};
    HoleValues strokeSums{};
    std::array<std::array<int, store::kMaxHoles>, kScoreClasses> classCounts{};
    bool anyHole = false;
};

void tallyHoles(HoleTally &tally, const store::StrokeRow &strokes, const Course &course)
{
    for (int h = 0; h < course.holes; ++h) {
        const double par = course.pars[h];
        const double played = store::numericValue(strokes[h].text);
        tally.parSums[h] += par;
        tally.strokeSums[h] += played;
        if (const std::optional<ScoreClass> c = scoreClass(played, par))
            ++tally.classCounts[int(*c)][h];
        tally.anyHole = true;
    }
}

ClassTexts classTotals(const HoleTally &tally)
{
    ClassTexts totals;
    if (!tally.anyHole)
        return totals;
    for (int c = 0; c < kScoreClasses; ++c) {
        int total = 0;
        for (int count : tally.classCounts[c])
            total += count;
        totals[c] = total == 0 ? store::numberText(0) : store::numberTextWithBlank(total);
    }
    return totals;
}

} // namespace

std::optional<ScoreClass> scoreClass(double strokes, double par)
{
    const double d = strokes - par;
    if (d == -2 && par == 3)
        return ScoreClass::HoleInOne;
    if (d == -2 && (par == 4 || par == 5))
        return ScoreClass::Eagle;
    if (d == -1)
        return ScoreClass::Birdie;
    if (d == 0)
        return ScoreClass::Par;
    if (d == 1)
        return ScoreClass::Bogey;
    if (d == 2)
        return ScoreClass::DoubleBogey;
    if (d > 2)
        return ScoreClass::TripleOrMore;
    return std::nullopt;
}

Analysis analyse(const store::Tables &tables, const DateChoice &choice)
{
    Analysis result;
    const RoundSelection selection = selectRounds(tables, choice);
    if (selection.reversedDates) {
        result.outcome = Analysis::Outcome::ReversedDates;
        return result;
    }
    if (!selection.hasRound) {
        result.outcome = Analysis::Outcome::NoRound;
        return result;
    }

    const Course course = courseNamed(tables, choice.course);
    HoleTally tally;
    ExtendedCounts counts;
    for (int row : selection.rows) {
        tallyHoles(tally, store::strokesOf(tables, row), course);
        countRound(counts, store::extendedOf(tables, row), course.pars, course.holes);
    }

    const int taken = int(selection.rows.size());
    result.classTotals = classTotals(tally);
    result.summary = summaryTexts(counts, taken, course.holes);
    HoleValues overPar{};
    for (int h = 0; h < course.holes; ++h)
        overPar[h] = tally.strokeSums[h] - tally.parSums[h];
    result.hardestHoles = hardestHoles(overPar, course.holes);
    if (store::isNineOrEighteen(course.holes)) {
        ClassTexts rows;
        for (int c = 0; c < kScoreClasses; ++c)
            rows[c] = classRow(tally.classCounts[c], course.holes);
        result.classRows = rows;
    }
    result.rows = resultRows(tally.strokeSums, tally.parSums, course.holes, taken);
    return result;
}

} // namespace analysis
