#include "registration/FEL9_18.h"

#include "platform/controls.h"

#include <QLabel>
#include <QPushButton>

FEL9_18::FEL9_18() : platform::Form(u"FEL9_18", u"FELMEDDELANDE", 5040, 1695)
{
    QLabel *label = platform::makeLabel(
        this, u"Label1", {120, 120, 4815, 1455},
        u"DU HAR INTE REGISTRERAT OKEY! Du har registrerat 0 slag eller inget slag alls på något hål. Du "
        u"kanske "
        u"har refererat mot en 18 håls bana och registrerat endast 9 hål. (Har du spelat nio hål så måste du "
        u"välja rätt bana som överensstämmer med de hål du spelat.) FELORSAKEN LIGGER I REGISTRERINGEN");
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The button lies over the lower right corner of the label.
    QPushButton *back = platform::makeButton(this, u"C_FEL918", {4080, 1200, 855, 375}, u"Tillbaka");
    back->raise();
    connect(back, &QPushButton::clicked, this, &FEL9_18::FEL9_18_C_FEL918_Click);
}

void FEL9_18::FEL9_18_C_FEL918_Click()
{
    unload();
}
