#pragma once

#include "platform/windowkit.h"
#include "store/loading.h"

// The controls of the graphic display, in the order they are made: the drawing surface
// first, under all the others.
namespace analysis::vegrafik {

using platform::ControlRow;
using enum platform::Kind;

enum Control : int {
    Surface,
    L_Bana,
    C_Tillb,
    Label3,
    Label4,
    L_Datfrom,
    L_Dattom,
    Label1,
    Label2,
    HScroll1,
    Hcpfrom,
    HScroll2,
    Hcptom,
    Label6,
    C_Visa,
    V_Dat,
    Label5,
    Label7,
    Label8,
    kControlCount
};

inline constexpr int kWidth = 11760;
inline constexpr int kHeight = 6600;

inline constexpr platform::Paint kWhite = platform::fixed(platform::kWhite);
inline constexpr platform::Paint kPurple = platform::fixed(platform::kPurple);
// Purple, its texts and drawings in the desktop's window-text colour.
inline constexpr platform::Look kWindow{.back = kPurple, .text = platform::kSystemText};
inline constexpr platform::Look kCyanBox{.back = platform::fixed(platform::kCyan),
                                         .text = platform::kSystemText};
inline constexpr platform::Look kHeading{.back = platform::fixed(QColor(0, 0, 128)), .text = kWhite};
inline constexpr platform::Look kCaption{.back = kPurple, .text = kWhite};

inline constexpr QStringView kLabel6Text =
    u"Övre grafen visar alltid den sista valda rundan via valt DATUM tom. "
    u"Nedre grafen styrs även utfirån valt HCP";

// The course table holds 301 rows, and every course of a longer file.
inline constexpr int kCourseRows = 301;
// As the other graph window: every empty file's message, and the loading goes on.
inline constexpr store::LoadPlan kLoadPlan = store::graphPlan(kCourseRows);

// The handicap bars run from -3 to 54 and start at 1. "VISA" lies over the help text's
// right edge, so it is made after it.
inline constexpr ControlRow kControls[] = {
    {Surface, DrawingSurface, u"Surface", {0, 0, kWidth, kHeight}, {}, kWindow},
    {L_Bana, ListBox, u"L_Bana", {480, 0, 7215, 1395}, {}, kCyanBox},
    {C_Tillb, Button, u"C_Tillb", {7680, 0, 1215, 1455}, u"TILLBAKA"},
    {Label3, Label, u"Label3", {8880, 0, 1395, 255}, u"DATUM from", kHeading, false},
    {Label4, Label, u"Label4", {10320, 0, 1395, 255}, u"DATUM tom", kHeading, false},
    {L_Datfrom, ListBox, u"L_Datfrom", {8880, 240, 1395, 2175}, {}, kCyanBox, false},
    {L_Dattom, ListBox, u"L_Dattom", {10320, 240, 1395, 2175}, {}, kCyanBox, false},
    {Label1, Label, u"Label1", {8880, 2400, 1335, 255}, u"HCP from", kHeading, false},
    {Label2, Label, u"Label2", {10320, 2400, 1335, 255}, u"HCP tom", kHeading, false},
    {HScroll1,
     HorizontalBar,
     u"HScroll1",
     {8880, 2640, 855, 255},
     {},
     {},
     false,
     {.min = -3, .max = 54, .start = 1}},
    {Hcpfrom, Label, u"Hcpfrom", {9720, 2640, 495, 255}, {}, kCyanBox, false},
    {HScroll2,
     HorizontalBar,
     u"HScroll2",
     {10320, 2640, 855, 255},
     {},
     {},
     false,
     {.min = -3, .max = 54, .start = 1}},
    {Hcptom, Label, u"Hcptom", {11160, 2640, 495, 255}, {}, kCyanBox, false},
    {Label6, Label, u"Label6", {9000, 3000, 1455, 1575}, kLabel6Text, kCaption, false},
    {C_Visa, Button, u"C_Visa", {10320, 3000, 1335, 495}, u"VISA", {}, false},
    {V_Dat, Label, u"V_Dat", {7920, 3000, 975, 255}, {}, kCaption, false},
    {Label5, Label, u"Label5", {7920, 3240, 375, 255}, {}, kCaption},
    {Label7, Label, u"Label7", {8400, 3240, 495, 255}, {}, kCaption},
    {Label8, Label, u"Label8", {0, 6240, 615, 255}, {}, kCaption, false},
};

} // namespace analysis::vegrafik
