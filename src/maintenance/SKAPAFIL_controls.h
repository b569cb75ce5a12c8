#pragma once

#include "platform/windowkit.h"
#include "store/loading.h"

// The controls of the report window, in its tab order, which Tab follows.
namespace maintenance::skapafil {

using platform::ControlRow;
using enum platform::Kind;

enum Control : int { L_Bana, Command1, Label1, HScroll1, arfrom, HScroll2, artom, Label2, kControlCount };

// The year controls and the note on choosing years, shown at the first course click.
inline constexpr int kYearControls[] = {HScroll1, HScroll2, arfrom, artom, Label2};

inline constexpr QStringView kLabel1Text = u"Klicka på den bana du vill få information om till en datafil. "
                                           u"Datafilen kan du då i ett senare tillfälle tex skriva ut.";
inline constexpr QStringView kLabel2Text =
    u"Första gången skapas filen med samtliga rundor. Men du kan skapa om filen igen utifrån valt datum tom "
    u"from genom att ange dem nedan samt sedan klicka på önskad bana igen";

// The course table holds 111 rows, and every course of a longer file.
inline constexpr int kCourseRows = 111;
// All four files: an empty course or round file leaves the list empty, an empty stroke or
// extended file is told and the list is still filled.
inline constexpr store::LoadPlan kLoadPlan{.courses = store::WhenEmpty::MessageStop,
                                           .rounds = store::WhenEmpty::MessageStop,
                                           .strokes = store::WhenEmpty::MessageContinue,
                                           .extended = store::WhenEmpty::MessageContinue,
                                           .courseRows = kCourseRows,
                                           .afterDamage = store::AfterDamage::ReadOn};

// The bars get their range at the first course click.
inline constexpr ControlRow kControls[] = {
    {L_Bana, ListBox, u"L_Bana", {240, 360, 4095, 5520}},
    {Command1, Button, u"Command1", {4560, 5400, 2535, 495}, u"Tillbaka"},
    {Label1, Label, u"Label1", {4560, 360, 2535, 855}, kLabel1Text},
    {HScroll1, HorizontalBar, u"HScroll1", {4560, 3120, 2535, 375}, {}, {}, false},
    {arfrom, Label, u"arfrom", {5040, 3600, 1815, 255}, {}, {}, false},
    {HScroll2, HorizontalBar, u"HScroll2", {4560, 4080, 2535, 375}, {}, {}, false},
    {artom, Label, u"artom", {5040, 4560, 1815, 255}, {}, {}, false},
    {Label2, Label, u"Label2", {4560, 1440, 2535, 1215}, kLabel2Text, {}, false},
};

} // namespace maintenance::skapafil
