#pragma once

#include "platform/windowkit.h"
#include "store/loading.h"

// The controls of the printing information window: the course list, which has no click
// handler, "Tillbaka" and the note on where a scorecard is printed.
namespace mainwindow::print_i {

using platform::ControlRow;
using enum platform::Kind;

enum Control : int { L_Print, Command1, Label2, kControlCount };

inline constexpr QStringView kLabel2Text =
    u"Här ska man kunna skapa en datafil med alla rundorna för vald bana till vänster. Dvs alla datum med "
    u"alla hål och slag med all information som finns för just den banan. Ska du skriva ut ett separat "
    u"score så gör du det inte här! Denna fil skapas i visa score kort.";

// The course table holds 51 rows, and every course of a longer file.
inline constexpr int kCourseRows = 51;
// All four files, read as the windows that show them read them.
inline constexpr store::LoadPlan kLoadPlan = store::showingPlan(kCourseRows);

inline constexpr ControlRow kControls[] = {
    {L_Print, ListBox, u"L_Print", {120, 600, 4095, 6885}},
    {Command1, Button, u"Command1", {9000, 7200, 1695, 495}, u"Tillbaka"},
    {Label2, Label, u"Label2", {4440, 720, 3495, 1695}, kLabel2Text},
};

} // namespace mainwindow::print_i
