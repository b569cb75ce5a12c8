#include "registration/FELINMAT.h"

#include <utility>

namespace {

enum Control : int { FEL_IN, Label1 };

using enum platform::Kind;
constexpr platform::ControlRow kControls[] = {
    {FEL_IN, Button, u"FEL_IN", {3720, 840, 1095, 315}, u"OK"},
    {Label1,
     Label,
     u"Label1",
     {240, 240, 3975, 855},
     u"SPARAS EJ: Endast 9 och 18 håls banor registreras. Du kan ha registrerat in ett icke godkänt värde. "
     u"Prova om. Klicka OK"},
};

} // namespace

FELINMAT::FELINMAT(State &state)
    : platform::NoticeWindow({u"FELINMAT", u"FELMEDDELANDE VID INMATNING", 4920, 1365, {}, kControls},
                             FEL_IN),
      m_state(state)
{
}

void FELINMAT::FELINMAT_Form_Load()
{
    if (QPointer<platform::Form> opener = std::exchange(m_state.opener, nullptr))
        opener->unload();
}
