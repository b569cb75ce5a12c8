#include "mainwindow/PRINT_I.h"

#include "mainwindow/PRINT_I_controls.h"
#include "platform/listbox.h"
#include "platform/storemessages.h"
#include "store/loading.h"

#include <QPushButton>

using namespace mainwindow::print_i;

PRINT_I::PRINT_I(State &state)
    : platform::KitWindow(
          {u"PRINT_I", u"UTSKRIFTSINFORMATION", 10860, 7875, platform::kPurpleWindow, kControls}),
      m_state(state)
{
    connect(m_controls.button(Command1), &QPushButton::clicked, this, &PRINT_I::PRINT_I_Command1_Click);
}

void PRINT_I::PRINT_I_Form_Load()
{
    if (!platform::loadAndTell(m_state.tables, kLoadPlan).complete)
        return;
    m_controls.list(L_Print)->addItems(store::banlista(m_state.tables.bantabell));
}

void PRINT_I::PRINT_I_Command1_Click()
{
    unload();
}
