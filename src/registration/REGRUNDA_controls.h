#pragma once

#include "platform/geometry.h"

#include <QStringView>

#include <array>

// The controls of the round register as designed: objectName, place in twips, and
// range and start value, caption or colour. Bars, value labels and text boxes are
// listed in the order of their enums, so a row's index is its control.
namespace regrunda {

using platform::Twips;

enum Bar {
    VScroll1,
    HScroll1,
    HScroll2,
    HScroll3,
    HScroll4,
    HScroll5,
    HScroll6,
    HScroll7,
    HScroll8,
    HScroll9,
    HScroll10,
    HScroll11,
    HScroll12,
    HScroll13,
    HScroll14,
    HScroll15,
    HScroll16,
    HScroll17,
    HScroll18,
    HScroll19,
    HScroll20,
    kBarCount
};

struct BarRow
{
    QStringView name;
    Twips rect;
    int minimum;
    int maximum;
    int start;
};

inline constexpr std::array<BarRow, kBarCount> kBars{{
    {u"VScroll1", {360, 0, 255, 855}, 0, 100, 0},
    {u"HScroll1", {120, 3840, 975, 255}, 0, 17, 0},
    {u"HScroll2", {120, 4440, 975, 255}, 0, 30, 1},
    {u"HScroll3", {120, 3240, 975, 255}, 0, 2, 0},
    {u"HScroll4", {2040, 4440, 975, 255}, 0, 1, 0},
    {u"HScroll5", {3840, 4440, 975, 255}, 0, 1, 0},
    {u"HScroll6", {2040, 5040, 975, 255}, 0, 9, 1},
    {u"HScroll7", {5640, 5040, 975, 255}, 0, 9, 0},
    {u"HScroll8", {5640, 4440, 975, 255}, 0, 9, 0},
    {u"HScroll9", {1440, 960, 975, 255}, 1, 31, 1},
    {u"HScroll10", {1440, 1200, 975, 255}, 1, 12, 1},
    {u"HScroll11", {1440, 1440, 975, 255}, 1995, 2040, 1995},
    {u"HScroll12", {3840, 2160, 975, 255}, 0, 60, 0},
    {u"HScroll13", {5040, 600, 975, 255}, 0, 54, 0},
    {u"HScroll14", {5040, 1560, 975, 255}, 0, 54, 0},
    {u"HScroll15", {6480, 2160, 975, 255}, 0, 2, 0},
    {u"HScroll16", {6720, 600, 855, 255}, 0, 9, 0},
    {u"HScroll17", {6720, 1560, 855, 255}, 0, 9, 0},
    {u"HScroll18", {3840, 5040, 975, 255}, 0, 9, 0},
    {u"HScroll19", {5040, 1080, 975, 255}, 0, 54, 0},
    {u"HScroll20", {6720, 1080, 855, 255}, 0, 9, 0},
}};

// Value labels: a single border and centred text, except where said.
enum ValueLabel {
    RG1,
    HA1,
    MA1,
    HCP1,
    PA1,
    AntSl,
    Fair,
    Gren,
    Antbunk,
    Antpitch,
    Antchip,
    Antputt,
    HCPFdec,
    HCPEdec,
    HCPSLF1,
    HCPSFdec,
    Utoka,
    kValueLabelCount
};

enum class Shade {
    Cyan, // red 0, green 255, blue 255
    White,
    SystemWindow, // the desktop's window colour
    Purple,       // white text
};

struct ValueLabelRow
{
    QStringView name;
    Twips rect;
    Shade shade;
};

inline constexpr std::array<ValueLabelRow, kValueLabelCount> kValueLabels{{
    {u"RG1", {720, 0, 6975, 285}, Shade::Cyan},
    {u"HA1", {1200, 3840, 495, 255}, Shade::Cyan},
    {u"MA1", {1800, 3840, 735, 255}, Shade::Cyan},
    {u"HCP1", {3480, 3840, 735, 255}, Shade::Cyan},
    {u"PA1", {2640, 3840, 735, 255}, Shade::Cyan},
    {u"AntSl", {1200, 4440, 615, 255}, Shade::White},
    {u"Fair", {3120, 4440, 615, 255}, Shade::White},
    {u"Gren", {4920, 4440, 615, 255}, Shade::SystemWindow},
    {u"Antbunk", {3120, 5040, 615, 255}, Shade::SystemWindow},
    {u"Antpitch", {4920, 5040, 615, 255}, Shade::SystemWindow},
    {u"Antchip", {6720, 5040, 615, 255}, Shade::SystemWindow},
    {u"Antputt", {6720, 4440, 615, 255}, Shade::SystemWindow},
    {u"HCPFdec", {7680, 600, 495, 255}, Shade::White},
    {u"HCPEdec", {7680, 1560, 495, 255}, Shade::White},
    {u"HCPSLF1", {6120, 1080, 495, 255}, Shade::White},
    {u"HCPSFdec", {7680, 1080, 495, 255}, Shade::White},
    {u"Utoka", {120, 3000, 825, 255}, Shade::Purple},
}};

// White text boxes, text centred except in the note.
enum TextBox { DD, DM, DY, PO, HCPF1, HCPE1, TSE, InfRund, kTextBoxCount };

struct TextBoxRow
{
    QStringView name;
    Twips rect;
};

inline constexpr std::array<TextBoxRow, kTextBoxCount> kTextBoxes{{
    {u"DD", {2520, 960, 615, 240}},
    {u"DM", {2520, 1200, 615, 240}},
    {u"DY", {2520, 1440, 615, 240}},
    {u"PO", {4920, 2160, 495, 255}},
    {u"HCPF1", {6120, 600, 495, 255}},
    {u"HCPE1", {6120, 1560, 495, 255}},
    {u"TSE", {7560, 2160, 975, 255}},
    {u"InfRund", {120, 2640, 5775, 285}},
}};

// Captions: purple, white text, no border.
struct CaptionRow
{
    QStringView name;
    Twips rect;
    QStringView text;
};

inline constexpr CaptionRow kCaptions[] = {
    {u"Label24", {720, 360, 3735, 255}, u"Finns inga fler registrerade banor"},
    {u"Label21", {6120, 360, 735, 240}, u"Heltal"},
    {u"Label20", {7680, 360, 855, 240}, u"Decimal"},
    {u"Label8", {4560, 480, 495, 375}, u"HCP före"},
    {u"Label4", {1440, 720, 2175, 240}, u"DATUM Ex/ 24 08 94"},
    {u"Label5", {720, 960, 615, 240}, u"Dag"},
    {u"Label23", {4200, 960, 855, 375}, u"SLOPE HCP före"},
    {u"Label6", {720, 1200, 615, 240}, u"Månad"},
    {u"Label7", {720, 1440, 615, 240}, u"År"},
    {u"Label9", {4560, 1440, 495, 375}, u"HCP efter"},
    {u"Label10", {2760, 1800, 1095, 615}, u"DINA POÄNG totalt 18 hål"},
    {u"Label11", {5520, 1920, 855, 615}, u"Tävling Sällskap Ensam"},
    {u"Label12", {120, 2400, 2775, 240}, u"INFORMATION OM RUNDAN"},
    {u"Label14", {960, 3000, 2415, 240}, u"UTÖKAD REGISTRERING."},
    {u"H1", {1200, 3600, 495, 240}, u"HÅL"},
    {u"Label1", {1800, 3600, 735, 240}, u"METER"},
    {u"Label2", {2640, 3600, 735, 240}, u"PAR"},
    {u"Label3", {3480, 3600, 735, 240}, u"HCP"},
    {u"Label13", {120, 4200, 1335, 240}, u"Antal slag"},
    {u"Label16", {2040, 4200, 1695, 240}, u"Fairway träff?"},
    {u"Label15", {3840, 4200, 1695, 240}, u"Green träff?"},
    {u"Label19", {5640, 4200, 1695, 240}, u"Antal puttar"},
    {u"Label17", {2040, 4800, 1695, 240}, u"Antal bunkerslag"},
    {u"Label22", {3840, 4800, 1695, 240}, u"Antal pitchar"},
    {u"Label18", {5640, 4800, 1695, 240}, u"Antal chippar"},
};

inline constexpr Twips kSparaRect{7560, 4320, 975, 615};
inline constexpr Twips kAvbrytRect{7560, 5040, 975, 375};

// Hidden in the window as designed.
inline constexpr QStringView kHiddenAtStart[] = {u"Label24", u"HScroll18", u"Label22", u"Antpitch"};

// The extended registration in trios of bar, value label and caption.
using Trio = std::array<QStringView, 3>;
inline constexpr Trio kFairway{u"HScroll4", u"Fair", u"Label16"};
inline constexpr Trio kGreen{u"HScroll5", u"Gren", u"Label15"};
inline constexpr Trio kBunker{u"HScroll6", u"Antbunk", u"Label17"};
inline constexpr Trio kPitch{u"HScroll18", u"Antpitch", u"Label22"};
inline constexpr Trio kChip{u"HScroll7", u"Antchip", u"Label18"};
inline constexpr Trio kPutt{u"HScroll8", u"Antputt", u"Label19"};
inline constexpr Trio kExtended[] = {kFairway, kGreen, kBunker, kPitch, kChip, kPutt};
// Shown at level MELLAN.
inline constexpr Trio kMidLevel[] = {kGreen, kPutt};

// Past the last course these stay as they are and every other control but Label24 is
// hidden; on a course the main set is every control but these, Label24 and the extended ones.
inline constexpr QStringView kCourseChooserControls[] = {u"VScroll1", u"RG1", u"C_Avbryt"};
inline constexpr QStringView kEndOfList = u"Label24";

} // namespace regrunda
