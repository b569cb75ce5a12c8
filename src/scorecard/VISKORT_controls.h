#pragma once

#include "platform/windowkit.h"
#include "store/format.h"

#include <array>

// The controls of the scorecard window, in twips. The card is a grid: a header line, one
// line per hole, a subtotal line after each nine and a totals line; each column's cells
// are one column description expanded over the 18 holes.
namespace viskort {

using platform::ControlRow;
using platform::Look;
using enum platform::Kind;

inline constexpr platform::Paint kRed = platform::fixed(platform::kRed);
inline constexpr platform::Paint kLightOrange = platform::fixed(QColor(255, 224, 192));

// One line high; a number stands centred in its cell, under its column's head.
inline constexpr Look kPlain{.back = platform::kSystemBack, .text = platform::kSystemText, .wrap = false};
inline constexpr Look kWhite{
    .back = platform::fixed(platform::kWhite), .text = platform::kSystemText, .wrap = false};
inline constexpr Look kRedText{.back = platform::kSystemBack, .text = kRed, .wrap = false};
inline constexpr Look kCyan{.back = platform::fixed(platform::kCyan), .text = kRed, .wrap = false};
inline constexpr Look kYellow{
    .back = platform::fixed(platform::kYellow), .text = platform::kSystemText, .wrap = false};
inline constexpr Look kOrange{.back = kLightOrange, .text = platform::kSystemText, .wrap = false};

constexpr Look centred(Look look)
{
    look.alignment = Qt::AlignHCenter | Qt::AlignVCenter;
    return look;
}

constexpr Look wrapped(Look look)
{
    look.wrap = true;
    return look;
}

inline constexpr int kLineHeight = 255;
inline constexpr int kHeadTop = 840;
inline constexpr int kFrontSubtotalTop = 3240;
inline constexpr int kBackSubtotalTop = 5640;
inline constexpr int kTotalsTop = 5888;

// The tops of the 18 hole lines; the front subtotal line lies between holes 9 and 10.
inline constexpr std::array<int, store::kMaxHoles> kHoleTops = [] {
    std::array<int, store::kMaxHoles> tops{};
    for (int hole = 1; hole <= store::kMaxHoles; ++hole)
        tops[hole - 1] = hole <= 9 ? 1080 + 240 * (hole - 1) : 3480 + 240 * (hole - 10);
    return tops;
}();

enum Column : int {
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
    {u"Label127", u"Hål", 1560, 495, u"Label", 1, centred(kPlain)},
    {u"Label128", u"Meter", 2040, 735, u"Label", 19, centred(kWhite)},
    {u"Label129", u"Par", 2760, 375, u"Label", 37, centred(kWhite)},
    {u"Label130", u"Hcp", 3120, 375, u"Label", 55, centred(kPlain)},
    {u"Label131", u"Erh", 3480, 375, u"Label", 73, centred(kRedText)},
    {u"Label141", u"Max", 3960, 615, u"vekoll", 20, centred(kWhite)},
    {u"Label140", u"Min", 4560, 615, u"vekoll", 0, centred(kWhite)},
    {u"Label132", u"Slag", 5160, 615, u"Label", 91, centred(kCyan)},
    {u"Label133", u"Poäng", 5760, 615, u"Label", 109, centred(kCyan)},
    {u"Label138", u"Fairw Green Bunk Pitch Chip Putt", 6480, 3135, u"Label", 143, kPlain},
}};

constexpr platform::Twips cellRect(Column column, int top)
{
    return {kColumns[column].left, top, kColumns[column].width, kLineHeight};
}

// Every control; the heads and hole cells of the grid come last, generated from kColumns.
enum Control : int {
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
    kDates,    // L_Dat
    kCourses,  // L_Bana
    kMakeFile, // Command1, without a handler
    kBack,     // C_Tillb
    kFirstHead,
    kFirstCell = kFirstHead + int(kColumnCount),
    kControlCount = kFirstCell + int(kColumnCount) * store::kMaxHoles
};

constexpr int headId(Column column)
{
    return kFirstHead + int(column);
}

constexpr int cellId(Column column, int holeIndex)
{
    return kFirstCell + int(column) * store::kMaxHoles + holeIndex;
}

inline constexpr Look kLightRedList{.back = platform::fixed(QColor(255, 192, 192))};

inline constexpr ControlRow kControls[] = {
    {kFewestFront, Label, u"lvismin9", cellRect(kFewest, kFrontSubtotalTop), {}, centred(kYellow)},
    {kMostFront, Label, u"lvisoin9", cellRect(kMost, kFrontSubtotalTop), {}, centred(kYellow)},
    {kStrokesFront, Label, u"L_Tot9s", cellRect(kStrokes, kFrontSubtotalTop), {}, centred(kYellow)},
    {kPointsFront, Label, u"L_Tot9p", cellRect(kPoints, kFrontSubtotalTop), {}, centred(kYellow)},
    {kFewestBack, Label, u"lvismin", cellRect(kFewest, kBackSubtotalTop), {}, centred(kYellow)},
    {kMostBack, Label, u"lvisoin", cellRect(kMost, kBackSubtotalTop), {}, centred(kYellow)},
    {kStrokesBack, Label, u"L_Tot18s", cellRect(kStrokes, kBackSubtotalTop), {}, centred(kYellow)},
    {kPointsBack, Label, u"L_Tot18p", cellRect(kPoints, kBackSubtotalTop), {}, centred(kYellow)},
    {kTotalMetres, Label, u"L_TotMet", cellRect(kMetres, kTotalsTop), {}, centred(kRedText)},
    {kTotalPar, Label, u"L_TotPar", cellRect(kPars, kTotalsTop), {}, centred(kRedText)},
    {kTotalReceived, Label, u"L_TotErh", cellRect(kReceived, kTotalsTop), {}, centred(kRedText)},
    {kMostTotal, Label, u"lvisotot", cellRect(kMost, kTotalsTop), {}, centred(kRedText)},
    {kFewestTotal, Label, u"lvismtot", cellRect(kFewest, kTotalsTop), {}, centred(kRedText)},
    {kTotalStrokes, Label, u"L_TotSla", cellRect(kStrokes, kTotalsTop), {}, centred(kRedText)},
    {kTotalPoints, Label, u"L_TotPo", cellRect(kPoints, kTotalsTop), {}, centred(kRedText)},
    {kFairways, Label, u"F9", {6600, kTotalsTop, 375, kLineHeight}, {}, centred(kPlain)},
    {kGreens, Label, u"G9", {7200, kTotalsTop, 375, kLineHeight}, {}, centred(kPlain)},
    {kBunkers, Label, u"B9", {7680, kTotalsTop, 375, kLineHeight}, {}, centred(kPlain)},
    {kPitches, Label, u"P9", {8160, kTotalsTop, 375, kLineHeight}, {}, centred(kPlain)},
    {kChips, Label, u"C9", {8640, kTotalsTop, 375, kLineHeight}, {}, centred(kPlain)},
    {kPutts, Label, u"PU9", {9240, kTotalsTop, 375, kLineHeight}, {}, centred(kPlain)},
    {kHcpForeCaption, Label, u"Label135", {6360, 120, 615, 375}, u" Hcp  före", wrapped(kOrange)},
    {kHcpFore, Label, u"L_Hcp", {6480, 600, 495, 240}, {}, kRedText},
    {kSlopeCaption, Label, u"Label139", {6960, 120, 615, 375}, u"HCP slope", wrapped(kOrange)},
    {kSlopeHcp, Label, u"L_Hcps", {7080, 600, 495, 240}, {}, kRedText},
    {kHcpEfterCaption, Label, u"Label136", {7680, 120, 495, 375}, u"Hcp  efter", wrapped(kOrange)},
    {kHcpEfter, Label, u"L_Hcpe", {7680, 600, 495, 240}, {}, kRedText},
    {kPlayTypeCaption, Label, u"Label137", {8160, 240, 1215, 255}, u"Typ av spel", kOrange},
    {kPlayType, Label, u"L_t1", {8280, 600, 1335, 255}, {}, kRedText},
    {kNote, Label, u"L_Inf1", {1560, 600, 4815, 255}, {}, kWhite, false},
    {kRoundCountCaption, Label, u"Label134", {120, 6000, 855, 255}, u"TOTALT :", kOrange, false},
    {kRoundCount, Label, u"L_Tot", {960, 6000, 375, 255}, {}, kOrange},
    {kDates, ListBox, u"L_Dat", {120, 840, 1335, 5100}, {}, kLightRedList, false},
    {kCourses, ListBox, u"L_Bana", {120, 6360, 6375, 1785}, {}, kLightRedList},
    {kMakeFile, Button, u"Command1", {8160, 6360, 1455, 855}, u"Skapa Datafil", {}, false},
    {kBack, Button, u"C_Tillb", {8160, 7320, 1455, 855}, u"Tillbaka"},
};

inline constexpr int kWidth = 9690;
inline constexpr int kHeight = 8265;

} // namespace viskort
