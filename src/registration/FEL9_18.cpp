#include "registration/FEL9_18.h"

namespace {

enum Control : int { Label1, C_FEL918 };

// Made after the label, the button lies over its lower right corner.
using enum platform::Kind;
constexpr platform::ControlRow kControls[] = {
    {Label1,
     Label,
     u"Label1",
     {120, 120, 4815, 1455},
     u"DU HAR INTE REGISTRERAT OKEY! Du har registrerat 0 slag eller inget slag alls på något hål. Du kanske "
     u"har refererat mot en 18 håls bana och registrerat endast 9 hål. (Har du spelat nio hål så måste du "
     u"välja rätt bana som överensstämmer med de hål du spelat.) FELORSAKEN LIGGER I REGISTRERINGEN"},
    {C_FEL918, Button, u"C_FEL918", {4080, 1200, 855, 375}, u"Tillbaka"},
};

} // namespace

FEL9_18::FEL9_18()
    : platform::NoticeWindow({u"FEL9_18", u"FELMEDDELANDE", 5040, 1695, {}, kControls}, C_FEL918)
{
}
