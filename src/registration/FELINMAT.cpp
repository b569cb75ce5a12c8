#include "registration/FELINMAT.h"

#include "platform/controls.h"

#include <QPushButton>

#include <utility>

FELINMAT::FELINMAT(State &state)
    : platform::Form(u"FELINMAT", u"FELMEDDELANDE VID INMATNING", 4920, 1365), m_state(state)
{
    auto *ok = platform::makeButton(this, u"FEL_IN", {3720, 840, 1095, 315}, u"OK");
    connect(ok, &QPushButton::clicked, this, &FELINMAT::FELINMAT_FEL_IN_Click);
    platform::makeLabel(
        this, u"Label1", {240, 240, 3975, 855},
        u"SPARAS EJ: Endast 9 och 18 håls banor registreras. Du kan ha registrerat in ett icke "
        u"godkänt värde. Prova om. Klicka OK");
}

void FELINMAT::FELINMAT_Form_Load()
{
    if (QPointer<platform::Form> opener = std::exchange(m_state.opener, nullptr))
        opener->unload();
}

void FELINMAT::FELINMAT_FEL_IN_Click()
{
    unload();
}
