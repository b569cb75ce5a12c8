#pragma once

#include "platform/windowkit.h"
#include "store/format.h"
#include "store/loading.h"

#include <array>

// The controls of the scorecard window, in twips. The card is a grid: a header line, one
// line per hole, a subtotal line after each nine and a totals line; each column's cells
// are one column description expanded over the 18 holes.
namespace scorecard::viskort {

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
// first number for hole 1, labels of the given kind.
struct CellColumn
{
    QStringView head;
    QStringView headCaption;
    int left;
    int width;
    QStringView cellPrefix;
    int firstCell;
    Look look;
    platform::Kind cells = Label;
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
    // Each hole's six extended entries are one text, shown in columns under the head's words.
    {u"Label138", u"Fairw Green Bunk Pitch Chip Putt", 6480, 3135, u"Label", 143, kPlain, ColumnLabel},
}};

constexpr platform::Twips cellRect(Column column, int top)
{
    return {kColumns[column].left, top, kColumns[column].width, kLineHeight};
}

// Every control; the heads and hole cells of the grid come last, generated from kColumns.
enum Control : int {
    // The subtotals of the front nine and of the back nine: fewest, most, strokes, points.
    lvismin9,
    lvisoin9,
    L_Tot9s,
    L_Tot9p,
    lvismin,
    lvisoin,
    L_Tot18s,
    L_Tot18p,
    // The totals line.
    L_TotMet,
    L_TotPar,
    L_TotErh,
    lvisotot,
    lvismtot,
    L_TotSla,
    L_TotPo,
    // The extended totals, in the order of extendedCard's totals.
    F9,
    G9,
    B9,
    P9,
    C9,
    PU9,
    // The round's handicaps, type of play and note.
    Label135,
    L_Hcp,
    Label139,
    L_Hcps,
    Label136,
    L_Hcpe,
    Label137,
    L_t1,
    L_Inf1,
    // The round count, the lists and the buttons; Command1 has no handler.
    Label134,
    L_Tot,
    L_Dat,
    L_Bana,
    Command1,
    C_Tillb,
    // The grid.
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

// The course table holds 101 rows, and every course of a longer file.
inline constexpr int kCourseRows = store::kMaxCourses;
// All four files, read as the windows that show them read them.
inline constexpr store::LoadPlan kLoadPlan = store::showingPlan(kCourseRows);

inline constexpr ControlRow kControls[] = {
    {lvismin9, Label, u"lvismin9", cellRect(kFewest, kFrontSubtotalTop), {}, centred(kYellow)},
    {lvisoin9, Label, u"lvisoin9", cellRect(kMost, kFrontSubtotalTop), {}, centred(kYellow)},
    {L_Tot9s, Label, u"L_Tot9s", cellRect(kStrokes, kFrontSubtotalTop), {}, centred(kYellow)},
    {L_Tot9p, Label, u"L_Tot9p", cellRect(kPoints, kFrontSubtotalTop), {}, centred(kYellow)},
    {lvismin, Label, u"lvismin", cellRect(kFewest, kBackSubtotalTop), {}, centred(kYellow)},
    {lvisoin, Label, u"lvisoin", cellRect(kMost, kBackSubtotalTop), {}, centred(kYellow)},
    {L_Tot18s, Label, u"L_Tot18s", cellRect(kStrokes, kBackSubtotalTop), {}, centred(kYellow)},
    {L_Tot18p, Label, u"L_Tot18p", cellRect(kPoints, kBackSubtotalTop), {}, centred(kYellow)},
    {L_TotMet, Label, u"L_TotMet", cellRect(kMetres, kTotalsTop), {}, centred(kRedText)},
    {L_TotPar, Label, u"L_TotPar", cellRect(kPars, kTotalsTop), {}, centred(kRedText)},
    {L_TotErh, Label, u"L_TotErh", cellRect(kReceived, kTotalsTop), {}, centred(kRedText)},
    {lvisotot, Label, u"lvisotot", cellRect(kMost, kTotalsTop), {}, centred(kRedText)},
    {lvismtot, Label, u"lvismtot", cellRect(kFewest, kTotalsTop), {}, centred(kRedText)},
    {L_TotSla, Label, u"L_TotSla", cellRect(kStrokes, kTotalsTop), {}, centred(kRedText)},
    {L_TotPo, Label, u"L_TotPo", cellRect(kPoints, kTotalsTop), {}, centred(kRedText)},
    {F9, Label, u"F9", {6600, kTotalsTop, 375, kLineHeight}, {}, centred(kPlain)},
    {G9, Label, u"G9", {7200, kTotalsTop, 375, kLineHeight}, {}, centred(kPlain)},
    {B9, Label, u"B9", {7680, kTotalsTop, 375, kLineHeight}, {}, centred(kPlain)},
    {P9, Label, u"P9", {8160, kTotalsTop, 375, kLineHeight}, {}, centred(kPlain)},
    {C9, Label, u"C9", {8640, kTotalsTop, 375, kLineHeight}, {}, centred(kPlain)},
    {PU9, Label, u"PU9", {9240, kTotalsTop, 375, kLineHeight}, {}, centred(kPlain)},
    {Label135, Label, u"Label135", {6360, 120, 615, 375}, u" Hcp  före", wrapped(kOrange)},
    {L_Hcp, Label, u"L_Hcp", {6480, 600, 495, 240}, {}, kRedText},
    {Label139, Label, u"Label139", {6960, 120, 615, 375}, u"HCP slope", wrapped(kOrange)},
    {L_Hcps, Label, u"L_Hcps", {7080, 600, 495, 240}, {}, kRedText},
    {Label136, Label, u"Label136", {7680, 120, 495, 375}, u"Hcp  efter", wrapped(kOrange)},
    {L_Hcpe, Label, u"L_Hcpe", {7680, 600, 495, 240}, {}, kRedText},
    {Label137, Label, u"Label137", {8160, 240, 1215, 255}, u"Typ av spel", kOrange},
    {L_t1, Label, u"L_t1", {8280, 600, 1335, 255}, {}, kRedText},
    {L_Inf1, Label, u"L_Inf1", {1560, 600, 4815, 255}, {}, kWhite, false},
    {Label134, Label, u"Label134", {120, 6000, 855, 255}, u"TOTALT :", kOrange, false},
    {L_Tot, Label, u"L_Tot", {960, 6000, 375, 255}, {}, kOrange},
    {L_Dat, ListBox, u"L_Dat", {120, 840, 1335, 5100}, {}, kLightRedList, false},
    {L_Bana, ListBox, u"L_Bana", {120, 6360, 6375, 1785}, {}, kLightRedList},
    {Command1, Button, u"Command1", {8160, 6360, 1455, 855}, u"Skapa Datafil", {}, false},
    {C_Tillb, Button, u"C_Tillb", {8160, 7320, 1455, 855}, u"Tillbaka"},
};

inline constexpr int kWidth = 9690;
inline constexpr int kHeight = 8265;

} // namespace scorecard::viskort
