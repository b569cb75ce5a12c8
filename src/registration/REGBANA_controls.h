#pragma once

#include "platform/windowkit.h"
#include "store/loading.h"

// The controls of the course register, in the order they are made.
namespace registration::regbana {

using platform::ControlRow;
using enum platform::Kind;

enum Control : int {
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

// Label4 has yellow text; the chooser's name and the four value labels a cyan face with
// dark text, readable on the light face.
inline constexpr platform::Look kWindow{};
inline constexpr platform::Look kYellowText{.text = platform::fixed(platform::kYellow)};
inline constexpr platform::Look kCyan{.back = platform::fixed(platform::kCyan), .text = platform::kBlack};

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

// The course table holds 101 rows, one for each course the register may hold (the free ones
// get the status texts), and every course of a longer file.
inline constexpr int kCourseRows = store::kMaxCourses;
// The course file alone, an empty one without a message.
inline constexpr store::LoadPlan kLoadPlan{.courses = store::WhenEmpty::Silent,
                                           .rounds = store::WhenEmpty::NotLoaded,
                                           .strokes = store::WhenEmpty::NotLoaded,
                                           .extended = store::WhenEmpty::NotLoaded,
                                           .courseRows = kCourseRows,
                                           .afterDamage = store::AfterDamage::Stop};

// Value bars start at their minimum.
inline constexpr ControlRow kControls[] = {
    {Option1, OptionButton, u"Option1", {5640, 2880, 255, 255}, u"Option1", kWindow, false},
    {VScroll1,
     VerticalBar,
     u"VScroll1",
     {120, 2040, 255, 855},
     {},
     kWindow,
     false,
     {.min = 0, .max = 50, .start = 0}},
    {HScroll1,
     HorizontalBar,
     u"HScroll1",
     {1200, 3120, 1935, 255},
     {},
     kWindow,
     false,
     {.min = 1, .max = 18, .start = 1}},
    {RB_NAMNAVBRYT, Button, u"RB_NAMNAVBRYT", {6120, 4320, 2415, 375}, u"AVBRYT"},
    {RB_NAMNKLAR, Button, u"RB_NAMNKLAR", {7440, 1920, 1095, 735}, u"OK"},
    {RB_Namn, TextBox, u"RB_Namn", {480, 1920, 6855, 285}},
    {HScroll4,
     HorizontalBar,
     u"HScroll4",
     {1200, 4080, 3735, 255},
     {},
     kWindow,
     false,
     {.min = 1, .max = 9, .start = 1}},
    {HScroll3,
     HorizontalBar,
     u"HScroll3",
     {1200, 4440, 3735, 255},
     {},
     kWindow,
     false,
     {.min = 1, .max = 18, .start = 1}},
    {HScroll2,
     HorizontalBar,
     u"HScroll2",
     {1200, 3720, 3735, 255},
     {},
     kWindow,
     false,
     {.min = 1, .max = 999, .start = 1}},
    {RB_KLAR, Button, u"RB_KLAR", {6120, 3720, 2415, 495}, u"REGISTRERING SPARAS", kWindow, false},
    {Label6,
     Label,
     u"Label6",
     {1440, 3480, 3495, 255},
     u"1          250       500       750       999",
     kWindow,
     false},
    {Label5, Label, u"Label5", {6240, 2880, 2415, 255}, u"Klicka sedan på 'OK' ovan.", kWindow, false},
    {Label4, Label, u"Label4", {120, 120, 4935, 1455}, kLabel4Text, kYellowText},
    {Label3, Label, u"Label3", {5040, 0, 3615, 1815}, kLabel3Text},
    {Label1,
     Label,
     u"Label1",
     {720, 2880, 4935, 255},
     u"REGISTRERADE BANOR. (efter val ovan, klicka här)--->",
     kWindow,
     false},
    {RB_N2, Label, u"RB_N2", {480, 2400, 6855, 255}, {}, kCyan, false},
    {XPAR, Label, u"XPAR", {720, 4080, 345, 255}, {}, kCyan, false},
    {XHCP, Label, u"XHCP", {720, 4440, 345, 255}, {}, kCyan, false},
    {XMETER, Label, u"XMETER", {720, 3720, 345, 255}, {}, kCyan, false},
    {XHAL, Label, u"XHAL", {720, 3120, 345, 255}, {}, kCyan, false},
    {RB_P1, Label, u"RB_P1", {120, 4080, 375, 255}, u"Par", kWindow, false},
    {RB_HC1, Label, u"RB_HC1", {120, 4440, 375, 255}, u"Hcp", kWindow, false},
    {RB_M1, Label, u"RB_M1", {120, 3720, 495, 255}, u"Meter", kWindow, false},
    {RB_H1, Label, u"RB_H1", {120, 3120, 375, 255}, u"HÅL ", kWindow, false},
    {Label2, Label, u"Label2", {720, 1560, 1455, 255}, u"BANANS NAMN"},
};

} // namespace registration::regbana
