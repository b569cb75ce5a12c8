#include "registration/VE_ABEND.h"

#include "platform/controls.h"

#include <QPushButton>

VE_ABEND::VE_ABEND() : platform::Form(u"VE_ABEND", u"FEL I DITT DATA.  [formulär= ve_abend]", 5565, 1785)
{
    platform::makeLabel(
        this, u"Label1", {960, 240, 4215, 615},
        u"Du har registrerat data som varken har nio hål eller arton hål, dvs felaktig registrering.");
    QPushButton *back = platform::makeButton(this, u"Command1", {3600, 1080, 1455, 615}, u"Tillbaka");
    connect(back, &QPushButton::clicked, this, &VE_ABEND::VE_ABEND_Command1_Click);
}

void VE_ABEND::VE_ABEND_Command1_Click()
{
    unload();
}
