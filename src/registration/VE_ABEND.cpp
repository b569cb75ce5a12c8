#include "registration/VE_ABEND.h"

namespace {

enum Control : int { Label1, Command1 };

using enum platform::Kind;
constexpr platform::ControlRow kControls[] = {
    {Label1,
     Label,
     u"Label1",
     {960, 240, 4215, 615},
     u"Du har registrerat data som varken har nio hål eller arton hål, dvs felaktig registrering."},
    {Command1, Button, u"Command1", {3600, 1080, 1455, 615}, u"Tillbaka"},
};

} // namespace

VE_ABEND::VE_ABEND()
    : platform::NoticeWindow(
          {u"VE_ABEND", u"FEL I DITT DATA.  [formulär= ve_abend]", 5565, 1785, {}, kControls}, Command1)
{
}
