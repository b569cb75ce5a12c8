#include "scorecard/scorecard.h"

#include "store/dates.h"
#include "store/numbers.h"
#include "store/records.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace scorecard {

namespace {

constexpr int kFrontNine = 9;

double value(QStringView text)
{
    return store::numericValue(text);
}

// A "Min" or "Max" cell while the rounds are scanned: its caption and the caption's value.
struct Cell
{
    QString text;
    double number = 0;
};

struct Sums
{
    double front = 0;
    double back = 0;
};

Sums sumsOf(const std::array<Cell, store::kMaxHoles> &cells)
{
    Sums sums;
    for (int hole = 0; hole < store::kMaxHoles; ++hole)
        (hole < kFrontNine ? sums.front : sums.back) += cells[hole].number;
    return sums;
}

// The lone round: both columns show its values as number texts.
void showLoneRound(const store::StrokeRow &strokes, std::array<Cell, store::kMaxHoles> &fewest,
                   std::array<Cell, store::kMaxHoles> &most, QStringView decimalPoint)
{
    for (int hole = 0; hole < store::kMaxHoles; ++hole) {
        const double strokesOnHole = value(strokes[hole].text);
        fewest[hole] = most[hole] = {cardNumber(strokesOnHole, decimalPoint), strokesOnHole};
    }
}

// Each round paired with the next: a cell takes the text of the round whose value beats it.
void scanPairs(const store::Tables &tables, const std::vector<int> &rounds,
               std::array<Cell, store::kMaxHoles> &fewest, std::array<Cell, store::kMaxHoles> &most)
{
    // Each round's values are read once, though it takes part in two pairs.
    std::vector<std::array<double, store::kMaxHoles>> values(rounds.size());
    for (std::size_t k = 0; k < rounds.size(); ++k) {
        const store::StrokeRow &strokes = store::strokesOf(tables, rounds[k]);
        for (int hole = 0; hole < store::kMaxHoles; ++hole)
            values[k][hole] = value(strokes[hole].text);
    }
    for (std::size_t k = 0; k + 1 < rounds.size(); ++k) {
        const store::StrokeRow &r = store::strokesOf(tables, rounds[k]);
        const store::StrokeRow &n = store::strokesOf(tables, rounds[k + 1]);
        for (int hole = 0; hole < store::kMaxHoles; ++hole) {
            const double a = values[k][hole];
            const double b = values[k + 1][hole];
            Cell &low = fewest[hole];
            if (b > a && low.number > a)
                low = {r[hole].text, a};
            else if (low.number > b)
                low = {n[hole].text, b};
            Cell &high = most[hole];
            if (b < a && high.number < a)
                high = {r[hole].text, a};
            else if (high.number < b)
                high = {n[hole].text, b};
        }
    }
}

} // namespace

QString cardNumber(double number, QStringView decimalPoint)
{
    QString text = store::numberText(number);
    text.replace(u"."_s, decimalPoint.toString());
    return text;
}

std::vector<int> roundsOfCourse(const store::Tables &tables, const QString &courseName, int lastRow)
{
    std::vector<int> rows;
    const int last = std::min(lastRow, int(tables.rundtabell.size()) - 1);
    for (int row = 0; row <= last; ++row)
        if (tables.rundtabell[row][store::kBannamn] == courseName)
            rows.push_back(row);
    return rows;
}

BestWorst bestAndWorst(const store::Tables &tables, const std::vector<int> &rounds, QStringView decimalPoint)
{
    BestWorst result;
    // A course without rounds has nothing to show.
    if (rounds.empty())
        return result;

    std::array<Cell, store::kMaxHoles> fewest;
    std::array<Cell, store::kMaxHoles> most;
    fewest.fill({u"100"_s, 100});
    most.fill({u"-100"_s, -100});
    if (rounds.size() == 1)
        showLoneRound(store::strokesOf(tables, rounds.front()), fewest, most, decimalPoint);
    else
        scanPairs(tables, rounds, fewest, most);

    const Sums low = sumsOf(fewest);
    const Sums high = sumsOf(most);
    result.fewestFront = cardNumber(low.front, decimalPoint);
    result.fewestBack = cardNumber(low.back, decimalPoint);
    result.fewestTotal = cardNumber(low.front + low.back, decimalPoint);
    result.mostFront = cardNumber(high.front, decimalPoint);
    result.mostBack = cardNumber(high.back, decimalPoint);
    result.mostTotal = cardNumber(high.front + high.back, decimalPoint);

    // No strokes on hole 10: the rounds have no second nine.
    const bool noSecondNine = fewest[kFrontNine].number == 0;
    for (int hole = 0; hole < store::kMaxHoles; ++hole) {
        const bool shown = hole < kFrontNine || !noSecondNine;
        result.fewest[hole] = shown ? fewest[hole].text : QString();
        result.most[hole] = shown ? most[hole].text : QString();
    }
    return result;
}

int receivedStrokes(double slopeHcp, double strokeIndex)
{
    const double rounded = std::floor(slopeHcp + 0.5);
    int base = 0;
    for (const int eighteens : {18, 36, 54})
        if (rounded >= eighteens)
            ++base;
    const int limit = 18 * base;
    return base + (rounded - limit >= strokeIndex ? 1 : 0);
}

CourseCard courseCard(const store::Tables &tables, int courseRow, const QString &courseName, int lastRow,
                      QStringView decimalPoint)
{
    CourseCard card;
    const store::CourseRow &course = store::courseOf(tables, courseRow);
    double metres = 0;
    double pars = 0;
    for (int hole = 1; hole <= store::kMaxHoles; ++hole) {
        card.metres[hole - 1] = course[store::metresCell(hole)];
        card.pars[hole - 1] = course[store::parCell(hole)];
        card.strokeIndexes[hole - 1] = course[store::strokeIndexCell(hole)];
        metres += value(card.metres[hole - 1]);
        pars += value(card.pars[hole - 1]);
    }
    card.totalMetres = cardNumber(metres, decimalPoint);
    card.totalPar = cardNumber(pars, decimalPoint);

    const std::vector<int> rounds = roundsOfCourse(tables, courseName, lastRow);
    card.bestWorst = bestAndWorst(tables, rounds, decimalPoint);
    // Over all years the second-nine sums are blanked when they come to 0.
    for (QString *sum : {&card.bestWorst.mostBack, &card.bestWorst.fewestBack})
        if (value(*sum) == 0)
            sum->clear();
    for (int row : rounds)
        card.dates.append(tables.rundtabell[row][store::kDatum]);
    return card;
}

std::optional<int> findRound(const store::Tables &tables, const QString &courseName, const QString &date,
                             int position, int lastRow)
{
    const std::vector<int> rounds = roundsOfCourse(tables, courseName, lastRow);
    if (position < 0 || position >= int(rounds.size()))
        return std::nullopt;
    const int row = rounds[position];
    if (tables.rundtabell[row][store::kDatum] != date)
        return std::nullopt;
    return row;
}

namespace {

double yearOf(const store::RoundRow &round)
{
    return store::readDate(round[store::kDatum]).year;
}

// Received strokes, strokes and points of the round's holes, with their totals.
void fillHoles(RoundCard &card, const store::CourseRow &course, const store::StrokeRow &strokes, int holes,
               double slopeHcp, QStringView decimalPoint)
{
    double received = 0;
    double strokesFront = 0, strokesBack = 0;
    double pointsFront = 0, pointsBack = 0;
    for (int hole = 1; hole <= store::kMaxHoles; ++hole) {
        const int i = hole - 1;
        const bool front = hole <= kFrontNine;
        card.strokes[i] = strokes[i].text;
        const double played = value(strokes[i].text);
        (front ? strokesFront : strokesBack) += played;
        if (hole > holes)
            continue;
        const int erh = receivedStrokes(slopeHcp, value(course[store::strokeIndexCell(hole)]));
        card.received[i] = cardNumber(erh, decimalPoint);
        received += erh;
        const double points = erh + value(course[store::parCell(hole)]) - played + 2;
        card.points[i] = points > 0 ? cardNumber(points, decimalPoint) : u"-"_s;
        if (points > 0)
            (front ? pointsFront : pointsBack) += points;
    }
    card.totalReceived = cardNumber(received, decimalPoint);
    card.totalStrokes = cardNumber(strokesFront + strokesBack, decimalPoint);
    card.totalPoints = cardNumber(pointsFront + pointsBack, decimalPoint);
    card.frontStrokes = cardNumber(strokesFront, decimalPoint);
    card.backStrokes = cardNumber(strokesBack, decimalPoint);
    card.frontPoints = cardNumber(pointsFront, decimalPoint);
    card.backPoints = cardNumber(pointsBack, decimalPoint);
}

} // namespace

RoundCard roundCard(const store::Tables &tables, int courseRow, const QString &courseName, int row,
                    int lastRow, QStringView decimalPoint)
{
    RoundCard card;
    const store::RoundRow &round = tables.rundtabell[row];

    const double year = yearOf(round);
    std::vector<int> sameYear = roundsOfCourse(tables, courseName, lastRow);
    std::erase_if(sameYear, [&](int r) { return yearOf(tables.rundtabell[r]) != year; });
    card.bestWorst = bestAndWorst(tables, sameYear, decimalPoint);

    const double slopeHcp = value(round[store::kSlopeHcp]);
    const int holes = store::holesOf(round[store::kAntalHal]);
    fillHoles(card, store::courseOf(tables, courseRow), store::strokesOf(tables, row), holes, slopeHcp,
              decimalPoint);

    card.note = round[store::kRundinfo];
    card.hcpFore = cardNumber(value(round[store::kHcpFore]), decimalPoint);
    card.hcpEfter = cardNumber(value(round[store::kHcpEfter]), decimalPoint);
    card.slopeHcp = cardNumber(slopeHcp, decimalPoint);
    card.playType = store::playTypeWord(round[store::kSpeltyp]);

    card.extended = extendedCard(store::extendedOf(tables, row), holes);
    return card;
}

} // namespace scorecard
