#include "mainwindow/PRINT_I.h"

#include "platform/controls.h"
#include "platform/storemessages.h"
#include "store/loading.h"

#include <QListWidget>
#include <QPushButton>

namespace {

// The window holds 51 course rows; a longer course file still lists every course.
constexpr int kCourseRows = 51;

constexpr QStringView kAboutPrinting =
    u"Här ska man kunna skapa en datafil med alla rundorna för vald bana till vänster. Dvs alla datum med "
    u"alla hål och slag med all information som finns för just den banan. Ska du skriva ut ett separat "
    u"score så gör du det inte här! Denna fil skapas i visa score kort.";

} // namespace

PRINT_I::PRINT_I(State &state)
    : platform::Form(u"PRINT_I", u"UTSKRIFTSINFORMATION", 10860, 7875), m_state(state)
{
    platform::setColours(this, platform::kPurple, platform::kWhite);
    m_list = platform::makeListBox(this, u"L_Print", {120, 600, 4095, 6885});
    auto *back = platform::makeButton(this, u"Command1", {9000, 7200, 1695, 495}, u"Tillbaka");
    connect(back, &QPushButton::clicked, this, &PRINT_I::PRINT_I_Command1_Click);
    platform::makeLabel(this, u"Label2", {4440, 720, 3495, 1695}, kAboutPrinting);
}

void PRINT_I::formLoad()
{
    PRINT_I_Form_Load();
}

void PRINT_I::PRINT_I_Form_Load()
{
    if (!platform::loadAndTell(m_state.tables, store::showingPlan(kCourseRows)).complete)
        return;
    m_list->addItems(store::banlista(m_state.tables.bantabell));
}

void PRINT_I::PRINT_I_Command1_Click()
{
    unload();
}
