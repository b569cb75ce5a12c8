#pragma once

#include "analysis/handicapgraph.h"
#include "platform/windowkit.h"
#include "store/dates.h"
#include "store/loading.h"

// The controls of the handicap-changes window, in the order they are made: the surface the
// graph is drawn on, first so that it lies under the rest, then a band at the top with the
// handicap limits, the years and the two buttons.
namespace analysis::vehcpgra {

using platform::ControlRow;
using enum platform::Kind;

enum Control : int {
    Surface,
    Label1,
    HScroll2,
    Hcpt,
    Label2,
    HScroll1,
    Hcpf,
    Label3,
    HScroll3,
    arfran,
    Label5,
    HScroll4,
    artom,
    Command1,
    Command2,
    kControlCount
};

inline constexpr int kWidth = 9360;
inline constexpr int kHeight = 5430;

// Purple, and the desktop's window-text colour for what the graph draws without a colour.
inline constexpr platform::Look kWindow{.back = platform::fixed(platform::kPurple),
                                        .text = platform::kSystemText};
// The headings navy with white text, the value labels cyan with the window-text colour.
inline constexpr platform::Look kHeading{.back = platform::fixed(QColor(0, 0, 128)),
                                         .text = platform::fixed(platform::kWhite)};
inline constexpr platform::Look kValue{.back = platform::fixed(platform::kCyan),
                                       .text = platform::kSystemText};

// The course table holds 101 rows, and every course of a longer file.
inline constexpr int kCourseRows = 101;
// As the other graph window: every empty file's message, and the loading goes on. Only the
// round table is drawn from; the course and stroke files are read as the data files say.
inline constexpr store::LoadPlan kLoadPlan = store::graphPlan(kCourseRows);

// The surface fills the window and follows it when the window is enlarged (VEHCPGRA.cpp).
inline constexpr ControlRow kControls[] = {
    {Surface, DrawingSurface, u"Surface", {0, 0, kWidth, kHeight}, {}, kWindow},
    {Label1, Label, u"Label1", {360, 120, 1455, 255}, u"HCP       from", kHeading},
    {HScroll2,
     HorizontalBar,
     u"HScroll2",
     {360, 360, 975, 255},
     {},
     {},
     true,
     {.min = analysis::kMinHandicap, .max = analysis::kMaxHandicap, .start = analysis::kMaxHandicap}},
    {Hcpt, Label, u"Hcpt", {1320, 360, 375, 255}, {}, kValue},
    {Label2, Label, u"Label2", {1800, 120, 1335, 255}, u"                tom", kHeading},
    {HScroll1,
     HorizontalBar,
     u"HScroll1",
     {1800, 360, 975, 255},
     {},
     {},
     true,
     {.min = analysis::kMinHandicap, .max = analysis::kMaxHandicap, .start = analysis::kMinHandicap}},
    {Hcpf, Label, u"Hcpf", {2760, 360, 375, 255}, {}, kValue},
    {Label3, Label, u"Label3", {4200, 120, 1695, 255}, u"  ÅRTAL     from", kHeading},
    {HScroll3,
     HorizontalBar,
     u"HScroll3",
     {4200, 360, 975, 255},
     {},
     {},
     true,
     {.min = store::kFirstYear, .max = store::kLastYear, .start = 1999}},
    {arfran, Label, u"arfran", {5160, 360, 615, 255}, {}, kValue},
    {Label5, Label, u"Label5", {5880, 120, 1575, 255}, u"               tom", kHeading},
    {HScroll4,
     HorizontalBar,
     u"HScroll4",
     {5880, 360, 975, 255},
     {},
     {},
     true,
     {.min = store::kFirstYear, .max = store::kLastYear, .start = 2000}},
    {artom, Label, u"artom", {6840, 360, 615, 255}, {}, kValue},
    {Command1, Button, u"Command1", {8040, 43, 1095, 495}, u"VISA"},
    {Command2, Button, u"Command2", {8040, 553, 1095, 375}, u"Tillbaka"},
};

} // namespace analysis::vehcpgra
