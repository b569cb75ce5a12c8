#include "registration/FEL9_18.h"

#include "platform/controls.h"

#include <QPushButton>

FEL9_18::FEL9_18() : platform::Form(u"FEL9_18", u"FELMEDDELANDE", 5040, 1695)
{
    platform::makeLabel(this, u"Label1", {120, 120, 4815, 1455},
                        u"DU HAR INTE REGISTRERAT OKEY! Du har registrerat 0 slag eller inget slag alls på "
                        u"något hål. Du kanske har refererat mot en 18 håls bana och registrerat endast 9 "
                        u"hål. (Har du spelat nio hål så måste du välja rätt bana som överensstämmer med de "
                        u"hål du spelat.) FELORSAKEN LIGGER I REGISTRERINGEN");
    // Made after the label, the button lies over its lower right corner.
    QPushButton *back = platform::makeButton(this, u"C_FEL918", {4080, 1200, 855, 375}, u"Tillbaka");
    connect(back, &QPushButton::clicked, this, &FEL9_18::FEL9_18_C_FEL918_Click);
}

void FEL9_18::FEL9_18_C_FEL918_Click()
{
    unload();
}
