#pragma once

#include "platform/windowkit.h"
#include "store/dates.h"
#include "store/loading.h"

// The controls of the deletion window, in its tab order, which Tab follows.
namespace maintenance::tabort {

using platform::ControlRow;
using enum platform::Kind;

enum Control : int {
    Label1,
    Command1,
    Option1,
    L_taboba,
    Option2,
    L_taboru,
    VScroll1,
    RG21,
    Command2,
    HScroll1,
    HScroll2,
    HScroll3,
    Label2,
    Label3,
    Label4,
    Label5,
    Label6,
    Label7,
    Label8,
    kControlCount
};

// The window keeps the desktop's colours; the two warnings are red, the chosen course cyan.
inline constexpr platform::Look kWindow{};
inline constexpr platform::Look kRedText{.text = platform::fixed(platform::kRed), .wrap = false};
inline constexpr platform::Look kCourseName{.back = platform::fixed(platform::kCyan),
                                            .text = platform::kSystemText};

// The course table holds 51 rows, the rows the course chooser reaches, and every course
// of a longer file.
inline constexpr int kCourseRows = 51;
inline constexpr int kLastChooserRow = kCourseRows - 1;
// Course mode: the course file, its empty-file message shown.
inline constexpr store::LoadPlan kCourseModePlan{.courses = store::WhenEmpty::MessageStop,
                                                 .rounds = store::WhenEmpty::NotLoaded,
                                                 .strokes = store::WhenEmpty::NotLoaded,
                                                 .extended = store::WhenEmpty::NotLoaded,
                                                 .courseRows = kCourseRows,
                                                 .afterDamage = store::AfterDamage::Stop};
// Round mode: the three round files, an empty file without a message.
inline constexpr store::LoadPlan kRoundModePlan{.courses = store::WhenEmpty::NotLoaded,
                                                .rounds = store::WhenEmpty::Silent,
                                                .strokes = store::WhenEmpty::Silent,
                                                .extended = store::WhenEmpty::Silent,
                                                .afterDamage = store::AfterDamage::Stop};
// A deletion reads every file it rewrites, the course file too, as they are on disk now.
inline constexpr store::LoadPlan kCourseDeletionPlan{.courses = store::WhenEmpty::Silent,
                                                     .rounds = store::WhenEmpty::Silent,
                                                     .strokes = store::WhenEmpty::Silent,
                                                     .extended = store::WhenEmpty::Silent,
                                                     .courseRows = kCourseRows,
                                                     .afterDamage = store::AfterDamage::Stop};

inline constexpr ControlRow kControls[] = {
    {Label1, Label, u"Label1", {360, 240, 7695, 375}, u"TA BORT POSTER I BANA OCH RUNDA", kRedText},
    {Command1, Button, u"Command1", {6120, 4560, 1815, 495}, u"Avbryt"},
    {Option1, OptionButton, u"Option1", {360, 960, 255, 375}, u"Option1"},
    {L_taboba, Label, u"L_taboba", {840, 1080, 2655, 255}, u"Vill ta bort en registrerad bana"},
    {Option2, OptionButton, u"Option2", {360, 3120, 255, 255}, u"Option2"},
    {L_taboru, Label, u"L_taboru", {840, 3120, 2655, 255}, u"Vill ta bort en registrerad runda"},
    {VScroll1,
     VerticalBar,
     u"VScroll1",
     {360, 1440, 255, 975},
     {},
     kWindow,
     false,
     {.min = 0, .max = kLastChooserRow, .start = 0}},
    {RG21, Label, u"RG21", {840, 1440, 7095, 285}, {}, kCourseName, false},
    {Command2, Button, u"Command2", {480, 4560, 1815, 495}, u"Utför Borttag", kWindow, false},
    {HScroll1,
     HorizontalBar,
     u"HScroll1",
     {1320, 3600, 1335, 255},
     {},
     kWindow,
     false,
     {.min = store::kFirstYear, .max = store::kLastYear, .start = store::kFirstYear}},
    {HScroll2,
     HorizontalBar,
     u"HScroll2",
     {1320, 3840, 1335, 255},
     {},
     kWindow,
     false,
     {.min = 1, .max = 12, .start = 1}},
    {HScroll3,
     HorizontalBar,
     u"HScroll3",
     {1320, 4080, 1335, 255},
     {},
     kWindow,
     false,
     {.min = 1, .max = 31, .start = 1}},
    {Label2, Label, u"Label2", {2760, 3600, 855, 255}, {}, kWindow, false},
    {Label3, Label, u"Label3", {2760, 3840, 855, 255}, {}, kWindow, false},
    {Label4, Label, u"Label4", {2760, 4080, 855, 255}, {}, kWindow, false},
    {Label5, Label, u"Label5", {840, 3600, 375, 255}, u"År", kWindow, false},
    {Label6, Label, u"Label6", {840, 3840, 375, 255}, u"Mån", kWindow, false},
    {Label7, Label, u"Label7", {840, 4080, 375, 255}, u"Dag", kWindow, false},
    // Widened to the window's right margin: the warning does not fit 7935 twips in the window's font.
    {Label8,
     Label,
     u"Label8",
     {240, 600, 9285, 255},
     u"OBS! Om du tar bort en registrerad bana så försvinner också samtliga registrerade rundor för den "
     u"banan",
     kRedText},
};

// The date bars with their labels, in the order they are hidden and shown.
inline constexpr int kDateControls[] = {HScroll1, HScroll2, HScroll3, Label2, Label3,
                                        Label4,   Label5,   Label6,   Label7};

} // namespace maintenance::tabort
