#pragma once

#include "platform/geometry.h"
#include "store/format.h"

#include <QStringView>

#include <array>

// The controls of the scorecard window, in twips. The card is a grid: a header line, one
// line per hole, a subtotal line after each nine and a totals line; each column's cells
// are one row of kColumns expanded over the 18 holes.
namespace viskort {

enum class Look {
    Plain,  // the system's window background and text
    White,  // white back
    Red,    // red text
    Cyan,   // cyan back, red text
    Yellow, // yellow back
    Orange, // the window's light orange
};

inline constexpr int kLineHeight = 255;
inline constexpr int kHeadTop = 840;
inline constexpr int kFrontSubtotalTop = 3240;
inline constexpr int kBackSubtotalTop = 5640;
inline constexpr int kTotalsTop = 5888;

constexpr int holeTop(int hole)
{
    return hole <= 9 ? 1080 + 240 * (hole - 1) : 3480 + 240 * (hole - 10);
}

enum Column {
    kHoleNumbers,
    kMetres,
    kPars,
    kStrokeIndexes,
    kReceived,
    kMost,
    kFewest,
    kStrokes,
    kPoints,
    kExtended,
    kColumnCount
};

// A column: its head in the header line and its hole cells, named prefix + number, the
// first number for hole 1.
struct CellColumn
{
    QStringView head;
    QStringView headCaption;
    int left;
    int width;
    QStringView cellPrefix;
    int firstCell;
    Look look;
};

inline constexpr std::array<CellColumn, kColumnCount> kColumns{{
    {u"Label127", u"Hål", 1560, 495, u"Label", 1, Look::Plain},
    {u"Label128", u"Meter", 2040, 735, u"Label", 19, Look::White},
    {u"Label129", u"Par", 2760, 375, u"Label", 37, Look::White},
    {u"Label130", u"Hcp", 3120, 375, u"Label", 55, Look::Plain},
    {u"Label131", u"Erh", 3480, 375, u"Label", 73, Look::Red},
    {u"Label141", u"Max", 3960, 615, u"vekoll", 20, Look::White},
    {u"Label140", u"Min", 4560, 615, u"vekoll", 0, Look::White},
    {u"Label132", u"Slag", 5160, 615, u"Label", 91, Look::Cyan},
    {u"Label133", u"Poäng", 5760, 615, u"Label", 109, Look::Cyan},
    {u"Label138", u"Fairw Green Bunk Pitch Chip Putt", 6480, 3135, u"Label", 143, Look::Plain},
}};

constexpr platform::Twips cellRect(Column column, int top)
{
    return {kColumns[column].left, top, kColumns[column].width, kLineHeight};
}

// The labels outside the hole cells, in table order.
enum Single {
    kFewestFront, // lvismin9
    kMostFront,
    kStrokesFront,
    kPointsFront,
    kFewestBack, // lvismin
    kMostBack,
    kStrokesBack,
    kPointsBack,
    kTotalMetres,
    kTotalPar,
    kTotalReceived,
    kMostTotal,
    kFewestTotal,
    kTotalStrokes,
    kTotalPoints,
    kFairways, // F9 .. PU9 in the order of the extended totals
    kGreens,
    kBunkers,
    kPitches,
    kChips,
    kPutts,
    kHcpForeCaption,
    kHcpFore,
    kSlopeCaption,
    kSlopeHcp,
    kHcpEfterCaption,
    kHcpEfter,
    kPlayTypeCaption,
    kPlayType,
    kNote,
    kRoundCountCaption,
    kRoundCount,
    kSingleCount
};

struct LabelRow
{
    QStringView name;
    platform::Twips rect;
    QStringView caption;
    Look look;
    bool shown;
};

inline constexpr std::array<LabelRow, kSingleCount> kSingles{{
    {u"lvismin9", cellRect(kFewest, kFrontSubtotalTop), {}, Look::Yellow, true},
    {u"lvisoin9", cellRect(kMost, kFrontSubtotalTop), {}, Look::Yellow, true},
    {u"L_Tot9s", cellRect(kStrokes, kFrontSubtotalTop), {}, Look::Yellow, true},
    {u"L_Tot9p", cellRect(kPoints, kFrontSubtotalTop), {}, Look::Yellow, true},
    {u"lvismin", cellRect(kFewest, kBackSubtotalTop), {}, Look::Yellow, true},
    {u"lvisoin", cellRect(kMost, kBackSubtotalTop), {}, Look::Yellow, true},
    {u"L_Tot18s", cellRect(kStrokes, kBackSubtotalTop), {}, Look::Yellow, true},
    {u"L_Tot18p", cellRect(kPoints, kBackSubtotalTop), {}, Look::Yellow, true},
    {u"L_TotMet", cellRect(kMetres, kTotalsTop), {}, Look::Red, true},
    {u"L_TotPar", cellRect(kPars, kTotalsTop), {}, Look::Red, true},
    {u"L_TotErh", cellRect(kReceived, kTotalsTop), {}, Look::Red, true},
    {u"lvisotot", cellRect(kMost, kTotalsTop), {}, Look::Red, true},
    {u"lvismtot", cellRect(kFewest, kTotalsTop), {}, Look::Red, true},
    {u"L_TotSla", cellRect(kStrokes, kTotalsTop), {}, Look::Red, true},
    {u"L_TotPo", cellRect(kPoints, kTotalsTop), {}, Look::Red, true},
    {u"F9", {6600, kTotalsTop, 375, kLineHeight}, {}, Look::Plain, true},
    {u"G9", {7200, kTotalsTop, 375, kLineHeight}, {}, Look::Plain, true},
    {u"B9", {7680, kTotalsTop, 375, kLineHeight}, {}, Look::Plain, true},
    {u"P9", {8160, kTotalsTop, 375, kLineHeight}, {}, Look::Plain, true},
    {u"C9", {8640, kTotalsTop, 375, kLineHeight}, {}, Look::Plain, true},
    {u"PU9", {9240, kTotalsTop, 375, kLineHeight}, {}, Look::Plain, true},
    {u"Label135", {6360, 120, 615, 375}, u" Hcp  före", Look::Orange, true},
    {u"L_Hcp", {6480, 600, 495, 240}, {}, Look::Red, true},
    {u"Label139", {6960, 120, 615, 375}, u"HCP slope", Look::Orange, true},
    {u"L_Hcps", {7080, 600, 495, 240}, {}, Look::Red, true},
    {u"Label136", {7680, 120, 495, 375}, u"Hcp  efter", Look::Orange, true},
    {u"L_Hcpe", {7680, 600, 495, 240}, {}, Look::Red, true},
    {u"Label137", {8160, 240, 1215, 255}, u"Typ av spel", Look::Orange, true},
    {u"L_t1", {8280, 600, 1335, 255}, {}, Look::Red, true},
    {u"L_Inf1", {1560, 600, 4815, 255}, {}, Look::White, false},
    {u"Label134", {120, 6000, 855, 255}, u"TOTALT :", Look::Orange, false},
    {u"L_Tot", {960, 6000, 375, 255}, {}, Look::Orange, true},
}};

inline constexpr platform::Twips kDatesList{120, 840, 1335, 5100};       // L_Dat, hidden at start
inline constexpr platform::Twips kCoursesList{120, 6360, 6375, 1785};    // L_Bana
inline constexpr platform::Twips kMakeFileButton{8160, 6360, 1455, 855}; // Command1, hidden at start
inline constexpr platform::Twips kBackButton{8160, 7320, 1455, 855};     // C_Tillb

inline constexpr int kWidth = 9690;
inline constexpr int kHeight = 8265;

} // namespace viskort
