#pragma once

#include "scorecard/extended.h"
#include "store/format.h"
#include "store/tables.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

// What the scorecard shows, worked out from a window's tables: the course's columns and
// round dates, the fewest and most strokes per hole, and one round's received strokes,
// points and totals. Every text is what a cell of the card shows.
namespace scorecard {

using HoleTexts = std::array<QString, store::kMaxHoles>;

// A number as the card writes it: shortest form, no leading blank, and a fraction with
// the given decimal separator (the user's regional one).
QString cardNumber(double value, QStringView decimalPoint);

// The rows 0 .. lastRow whose bannamn is the course name, exactly, in row order.
std::vector<int> roundsOfCourse(const store::Tables &tables, const QString &courseName, int lastRow);

// The "Min" and "Max" columns and their sums over holes 1-9, 10-18 and all holes.
struct BestWorst
{
    HoleTexts fewest;
    HoleTexts most;
    QString fewestFront, fewestBack, fewestTotal;
    QString mostFront, mostBack, mostTotal;
};

// Fewest and most strokes per hole over the given rounds. Each round is paired with the
// next one and a cell takes the stroke text of the smaller (larger) value; a lone round
// shows its values as number texts; no round leaves every cell and sum empty. Holes 10-18
// of both columns are emptied when the fewest strokes of hole 10 count 0.
BestWorst bestAndWorst(const store::Tables &tables, const std::vector<int> &rounds, QStringView decimalPoint);

// Strokes a hole receives from the slope handicap, rounded half up to a whole number R:
// every hole gets the whole eighteens of R (at most three), and the holes whose stroke
// index is within what is left get one more.
int receivedStrokes(double slopeHcp, double strokeIndex);

// The card after a course is chosen.
struct CourseCard
{
    HoleTexts metres, pars, strokeIndexes;
    QString totalMetres, totalPar;
    BestWorst bestWorst; // over all the course's rounds; empty second-nine sums are blanked
    QStringList dates;   // the course's round dates in row order
};

CourseCard courseCard(const store::Tables &tables, int courseRow, const QString &courseName, int lastRow,
                      QStringView decimalPoint);

// The row of the round at `position` among the course's rounds in row order, when its
// datum is also `date`.
std::optional<int> findRound(const store::Tables &tables, const QString &courseName, const QString &date,
                             int position, int lastRow);

// The card's round part for round `row`.
struct RoundCard
{
    BestWorst bestWorst; // over the course's rounds of the round's year
    HoleTexts received;  // the round's holes; empty after them
    HoleTexts strokes;
    HoleTexts points; // "-" for 0 or less; empty after the round's holes
    QString hcpFore, hcpEfter, slopeHcp, playType, note;
    QString totalReceived, totalStrokes, totalPoints;
    QString frontStrokes, backStrokes, frontPoints, backPoints;
    ExtendedCard extended;
};

RoundCard roundCard(const store::Tables &tables, int courseRow, const QString &courseName, int row,
                    int lastRow, QStringView decimalPoint);

} // namespace scorecard
