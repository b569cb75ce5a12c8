#pragma once

#include "platform/geometry.h"

#include <QStringView>

#include <iterator>

// The controls of the course register, in the order they are made.
namespace regbana {

enum class Kind { Option, VerticalBar, HorizontalBar, Button, TextBox, Label };
// Label4 has yellow text; the chooser's name and the four value labels a cyan face.
enum class Look { Window, YellowText, Cyan };

// Indexes into kControls, in the same order.
enum Control {
    Option1,
    VScroll1,
    HScroll1,
    RB_NAMNAVBRYT,
    RB_NAMNKLAR,
    RB_Namn,
    HScroll4,
    HScroll3,
    HScroll2,
    RB_KLAR,
    Label6,
    Label5,
    Label4,
    Label3,
    Label1,
    RB_N2,
    XPAR,
    XHCP,
    XMETER,
    XHAL,
    RB_P1,
    RB_HC1,
    RB_M1,
    RB_H1,
    Label2,
    kControlCount
};

struct ControlRow
{
    Control id;
    Kind kind;
    QStringView name;
    platform::Twips rect;
    QStringView text = {};
    bool shown = false;
    Look look = Look::Window;
    int minimum = 0; // value bars: the range; the value starts at the minimum
    int maximum = 0;
};

inline constexpr QStringView kLabel4Text =
    u"Om du vill registrera en ny bana: Skriv in banans namn under 'BANANS NAMN' + 'OK'. Om du vill ändra "
    u"värden på tidigare registrerad bana:   Låt 'BANANS NAMN' vara blank + 'OK'. Om PAR eller HCP "
    u"förändras för en registrerad bana så skapa en ny bana och avsluta den tidigare banan. Jag brukar då "
    u"skriva in slutåret ex (2003-2003) och den nya banan får (2004-)  ";

inline constexpr QStringView kLabel3Text =
    u"FÖRSLAG VID REGISTRERING AV NY BANA: Ange namnet på din bana. Ex/ Du har spelat från Gul Tee hål "
    u"1-18 på bana REZEVE och vill registrera den. Ange då under 'BANANS NAMN' : REZEVE GUL 1-18 (xxxx-)  "
    u"xxxx är det årtal du registrerade in banan. Det kan ju bli så att banan förändras = ny bana som då "
    u"registreras in som (xxxx-xxxx)";

using enum Kind;
using enum Look;

inline constexpr ControlRow kControls[] = {
    {Option1, Option, u"Option1", {5640, 2880, 255, 255}, u"Option1"},
    {VScroll1, VerticalBar, u"VScroll1", {120, 2040, 255, 855}, {}, false, Window, 0, 50},
    {HScroll1, HorizontalBar, u"HScroll1", {1200, 3120, 1935, 255}, {}, false, Window, 1, 18},
    {RB_NAMNAVBRYT, Button, u"RB_NAMNAVBRYT", {6120, 4320, 2415, 375}, u"AVBRYT", true},
    {RB_NAMNKLAR, Button, u"RB_NAMNKLAR", {7440, 1920, 1095, 735}, u"OK", true},
    {RB_Namn, TextBox, u"RB_Namn", {480, 1920, 6855, 285}, {}, true},
    {HScroll4, HorizontalBar, u"HScroll4", {1200, 4080, 3735, 255}, {}, false, Window, 1, 9},
    {HScroll3, HorizontalBar, u"HScroll3", {1200, 4440, 3735, 255}, {}, false, Window, 1, 18},
    {HScroll2, HorizontalBar, u"HScroll2", {1200, 3720, 3735, 255}, {}, false, Window, 1, 999},
    {RB_KLAR, Button, u"RB_KLAR", {6120, 3720, 2415, 495}, u"REGISTRERING SPARAS"},
    {Label6, Label, u"Label6", {1440, 3480, 3495, 255}, u"1          250       500       750       999"},
    {Label5, Label, u"Label5", {6240, 2880, 2415, 255}, u"Klicka sedan på 'OK' ovan."},
    {Label4, Label, u"Label4", {120, 120, 4935, 1455}, kLabel4Text, true, YellowText},
    {Label3, Label, u"Label3", {5040, 0, 3615, 1815}, kLabel3Text, true},
    {Label1,
     Label,
     u"Label1",
     {720, 2880, 4935, 255},
     u"REGISTRERADE BANOR. (efter val ovan, klicka här)--->"},
    {RB_N2, Label, u"RB_N2", {480, 2400, 6855, 255}, {}, false, Cyan},
    {XPAR, Label, u"XPAR", {720, 4080, 345, 255}, {}, false, Cyan},
    {XHCP, Label, u"XHCP", {720, 4440, 345, 255}, {}, false, Cyan},
    {XMETER, Label, u"XMETER", {720, 3720, 345, 255}, {}, false, Cyan},
    {XHAL, Label, u"XHAL", {720, 3120, 345, 255}, {}, false, Cyan},
    {RB_P1, Label, u"RB_P1", {120, 4080, 375, 255}, u"Par"},
    {RB_HC1, Label, u"RB_HC1", {120, 4440, 375, 255}, u"Hcp"},
    {RB_M1, Label, u"RB_M1", {120, 3720, 495, 255}, u"Meter"},
    {RB_H1, Label, u"RB_H1", {120, 3120, 375, 255}, u"HÅL "},
    {Label2, Label, u"Label2", {720, 1560, 1455, 255}, u"BANANS NAMN", true},
};

constexpr bool rowsInOrder()
{
    for (int i = 0; i < kControlCount; ++i)
        if (kControls[i].id != i)
            return false;
    return true;
}
static_assert(std::size(kControls) == kControlCount && rowsInOrder());

} // namespace regbana
