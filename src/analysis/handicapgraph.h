#pragma once

#include "store/tables.h"

#include <QPointF>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// The handicap-changes graph worked out from a window's round table: the preset ranges,
// the ordering rules of the four range bars, and what "VISA" draws. Coordinates are twips.
namespace handicapgraph {

// The four ranges as the window's bars hold them.
struct Ranges
{
    int lower = 0;  // lowest handicap, the foot of the scale
    int upper = 56; // highest handicap, the top of the scale
    int firstYear = 1999;
    int lastYear = 2000;
    friend bool operator==(const Ranges &, const Ranges &) = default;
};

// The bars' limits: handicaps 0 to 56, years 1990 to 2100.
inline constexpr int kMinHandicap = 0;
inline constexpr int kMaxHandicap = 56;
inline constexpr int kMinYear = 1990;
inline constexpr int kMaxYear = 2100;

// The presets over rounds 0 .. the last one the round file counts: the scale from the
// whole part of the lowest handicap before or after a round to one above the highest,
// and the years from the earliest round to the latest. Values the bars cannot hold are
// taken to the nearest end, so the upper limit stays above the lower one. Nothing when
// the file holds no round.
std::optional<Ranges> presets(const store::Tables &tables);

// The ordering rules: the value a bar settles at when it is moved to `value` while the
// other bar of its pair stays. The upper handicap limit stays at least 1 above the lower
// one; the first year never passes the last.
int lowerAfterMove(int value, int upper);
int upperAfterMove(int value, int lower);
int firstYearAfterMove(int value, int lastYear);
int lastYearAfterMove(int value, int firstYear);

// Drawing constants.
inline constexpr double kFoot = 3600;   // y of the foot of every box
inline constexpr double kHeight = 2700; // twips the scale's range spans
inline constexpr double kBoxWidth = 250;
inline constexpr double kInnerLine = 35; // the white line's distance from a box's left side
inline constexpr double kStep = 400;     // from one box to the next
inline constexpr double kStartX = 500;   // x before the first box
inline constexpr double kLastX = 10500;  // no box to the right of this x
inline constexpr double kGridStartX = 200;
inline constexpr double kGridEndX = 12000;

// The texts the graph reads from the window's value labels: the upper and lower limit
// and the first and last year.
struct Captions
{
    QString upper, lower, firstYear, lastYear;
};

// One text of the scale at its top left corner, with its grid line across the graph.
struct ScaleRow
{
    QString text;
    QPointF at;
    double gridY = 0;
};

// A text with its top left corner at a point.
struct PlacedText
{
    QString text;
    QPointF at;
    friend bool operator==(const PlacedText &, const PlacedText &) = default;
};

// The box of one round: its left side at x from the foot up to `top`, with the round's
// date texts and stored hcp_efter under it.
struct Box
{
    int row = 0;   // the round's row in rundtabell
    int count = 0; // boxes drawn before it after the first qualifying round
    double x = 0;
    double top = 0;
    std::array<PlacedText, 4> texts; // year, month and day of datum, then hcp_efter
};

struct Graph
{
    std::array<ScaleRow, 5> scale; // top to bottom
    std::vector<Box> boxes;        // left to right
};

// The legend under the graph: "ÅR", "MÅN", "DAG", "HCP".
const std::array<PlacedText, 4> &legend();

// What "VISA" draws for the ranges in the captions: the scale, and a box for each round in
// file order whose year and hcp_efter lie in the ranges and whose handicap changed. The
// first such round is compared by number with the round before it in the file, each later
// one by the texts of its own hcp_fore and hcp_efter; at most 25 boxes fit. No box when
// the upper limit is not above the lower one (the scale would have no height).
Graph graph(const store::Tables &tables, const Captions &captions);

} // namespace handicapgraph
