#include "mainwindow/PRINT_I.h"

#include "platform/controls.h"
#include "platform/listbox.h"
#include "platform/storemessages.h"
#include "store/loading.h"

#include <QPushButton>

namespace {

// The window holds 51 course rows; a longer course file still lists every course.
constexpr int kCourseRows = 51;

constexpr QStringView kAboutPrinting =
    u"Här ska man kunna skapa en datafil med alla rundorna för vald bana till vänster. Dvs alla datum med "
    u"alla hål och slag med all information som finns för just den banan. Ska du skriva ut ett separat "
    u"score så gör du det inte här! Denna fil skapas i visa score kort.";

enum Control : int { L_Print, Command1, Label2 };

// The list has no click handler.
using enum platform::Kind;
constexpr platform::ControlRow kControls[] = {
    {L_Print, ListBox, u"L_Print", {120, 600, 4095, 6885}},
    {Command1, Button, u"Command1", {9000, 7200, 1695, 495}, u"Tillbaka"},
    {Label2, Label, u"Label2", {4440, 720, 3495, 1695}, kAboutPrinting},
};

} // namespace

PRINT_I::PRINT_I(State &state)
    : platform::KitWindow(
          {u"PRINT_I", u"UTSKRIFTSINFORMATION", 10860, 7875, platform::kPurpleWindow, kControls}),
      m_state(state)
{
    connect(m_controls.button(Command1), &QPushButton::clicked, this, &PRINT_I::PRINT_I_Command1_Click);
}

void PRINT_I::formLoad()
{
    PRINT_I_Form_Load();
}

void PRINT_I::PRINT_I_Form_Load()
{
    if (!platform::loadAndTell(m_state.tables, store::showingPlan(kCourseRows)).complete)
        return;
    m_controls.list(L_Print)->addItems(store::banlista(m_state.tables.bantabell));
}

void PRINT_I::PRINT_I_Command1_Click()
{
    unload();
}
