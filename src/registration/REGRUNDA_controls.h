#pragma once

#include "platform/windowkit.h"

#include <array>

// The controls of the round register as designed, in the order they are made.
namespace regrunda {

using platform::ControlRow;
using platform::Look;
using enum platform::Kind;

enum Control : int {
    Label24,
    Label21,
    Label20,
    Label8,
    Label4,
    Label5,
    Label23,
    Label6,
    Label7,
    Label9,
    Label10,
    Label11,
    Label12,
    Label14,
    H1,
    Label1,
    Label2,
    Label3,
    Label13,
    Label16,
    Label15,
    Label19,
    Label17,
    Label22,
    Label18,
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
    DD,
    DM,
    DY,
    PO,
    HCPF1,
    HCPE1,
    TSE,
    InfRund,
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
    C_Spara,
    C_Avbryt,
    kControlCount
};

// Captions: purple, white text, no border. Value labels: a single border and centred
// text on their own face; the course name stands left in a serif face. Text boxes: white,
// text centred except in the note.
inline constexpr platform::Paint kPurple = platform::fixed(platform::kPurple);
inline constexpr platform::Paint kWhite = platform::fixed(platform::kWhite);

constexpr Look valueLook(platform::Paint back, platform::Paint text = platform::kBlack)
{
    return {.back = back, .text = text, .alignment = Qt::AlignCenter, .border = true};
}

inline constexpr Look kCaption{.back = kPurple, .text = kWhite};
inline constexpr Look kCyanValue = valueLook(platform::fixed(platform::kCyan));
inline constexpr Look kWhiteValue = valueLook(kWhite);
inline constexpr Look kSystemValue = valueLook(platform::kSystemBack);
inline constexpr Look kPurpleValue = valueLook(kPurple, kWhite);
inline constexpr Look kCourseName{.back = kCyanValue.back,
                                  .text = platform::kBlack,
                                  .face = platform::Face::Serif,
                                  .alignment = Qt::AlignLeft | Qt::AlignVCenter,
                                  .border = true};
inline constexpr Look kBox{.back = kWhite, .text = platform::kBlack, .alignment = Qt::AlignCenter};
inline constexpr Look kNoteBox{.back = kWhite, .text = platform::kBlack};

inline constexpr ControlRow kControls[] = {
    {Label24,
     Label,
     u"Label24",
     {720, 360, 3735, 255},
     u"Finns inga fler registrerade banor",
     kCaption,
     false},
    {Label21, Label, u"Label21", {6120, 360, 735, 240}, u"Heltal", kCaption},
    {Label20, Label, u"Label20", {7680, 360, 855, 240}, u"Decimal", kCaption},
    {Label8, Label, u"Label8", {4560, 480, 495, 375}, u"HCP före", kCaption},
    {Label4, Label, u"Label4", {1440, 720, 2175, 240}, u"DATUM Ex/ 24 08 94", kCaption},
    {Label5, Label, u"Label5", {720, 960, 615, 240}, u"Dag", kCaption},
    {Label23, Label, u"Label23", {4200, 960, 855, 375}, u"SLOPE HCP före", kCaption},
    {Label6, Label, u"Label6", {720, 1200, 615, 240}, u"Månad", kCaption},
    {Label7, Label, u"Label7", {720, 1440, 615, 240}, u"År", kCaption},
    {Label9, Label, u"Label9", {4560, 1440, 495, 375}, u"HCP efter", kCaption},
    {Label10, Label, u"Label10", {2760, 1800, 1095, 615}, u"DINA POÄNG totalt 18 hål", kCaption},
    {Label11, Label, u"Label11", {5520, 1920, 855, 615}, u"Tävling Sällskap Ensam", kCaption},
    {Label12, Label, u"Label12", {120, 2400, 2775, 240}, u"INFORMATION OM RUNDAN", kCaption},
    {Label14, Label, u"Label14", {960, 3000, 2415, 240}, u"UTÖKAD REGISTRERING.", kCaption},
    {H1, Label, u"H1", {1200, 3600, 495, 240}, u"HÅL", kCaption},
    {Label1, Label, u"Label1", {1800, 3600, 735, 240}, u"METER", kCaption},
    {Label2, Label, u"Label2", {2640, 3600, 735, 240}, u"PAR", kCaption},
    {Label3, Label, u"Label3", {3480, 3600, 735, 240}, u"HCP", kCaption},
    {Label13, Label, u"Label13", {120, 4200, 1335, 240}, u"Antal slag", kCaption},
    {Label16, Label, u"Label16", {2040, 4200, 1695, 240}, u"Fairway träff?", kCaption},
    {Label15, Label, u"Label15", {3840, 4200, 1695, 240}, u"Green träff?", kCaption},
    {Label19, Label, u"Label19", {5640, 4200, 1695, 240}, u"Antal puttar", kCaption},
    {Label17, Label, u"Label17", {2040, 4800, 1695, 240}, u"Antal bunkerslag", kCaption},
    {Label22, Label, u"Label22", {3840, 4800, 1695, 240}, u"Antal pitchar", kCaption, false},
    {Label18, Label, u"Label18", {5640, 4800, 1695, 240}, u"Antal chippar", kCaption},
    {RG1, Label, u"RG1", {720, 0, 6975, 285}, {}, kCourseName},
    {HA1, Label, u"HA1", {1200, 3840, 495, 255}, {}, kCyanValue},
    {MA1, Label, u"MA1", {1800, 3840, 735, 255}, {}, kCyanValue},
    {HCP1, Label, u"HCP1", {3480, 3840, 735, 255}, {}, kCyanValue},
    {PA1, Label, u"PA1", {2640, 3840, 735, 255}, {}, kCyanValue},
    {AntSl, Label, u"AntSl", {1200, 4440, 615, 255}, {}, kWhiteValue},
    {Fair, Label, u"Fair", {3120, 4440, 615, 255}, {}, kWhiteValue},
    {Gren, Label, u"Gren", {4920, 4440, 615, 255}, {}, kSystemValue},
    {Antbunk, Label, u"Antbunk", {3120, 5040, 615, 255}, {}, kSystemValue},
    {Antpitch, Label, u"Antpitch", {4920, 5040, 615, 255}, {}, kSystemValue, false},
    {Antchip, Label, u"Antchip", {6720, 5040, 615, 255}, {}, kSystemValue},
    {Antputt, Label, u"Antputt", {6720, 4440, 615, 255}, {}, kSystemValue},
    {HCPFdec, Label, u"HCPFdec", {7680, 600, 495, 255}, {}, kWhiteValue},
    {HCPEdec, Label, u"HCPEdec", {7680, 1560, 495, 255}, {}, kWhiteValue},
    {HCPSLF1, Label, u"HCPSLF1", {6120, 1080, 495, 255}, {}, kWhiteValue},
    {HCPSFdec, Label, u"HCPSFdec", {7680, 1080, 495, 255}, {}, kWhiteValue},
    {Utoka, Label, u"Utoka", {120, 3000, 825, 255}, {}, kPurpleValue},
    {DD, TextBox, u"DD", {2520, 960, 615, 240}, {}, kBox},
    {DM, TextBox, u"DM", {2520, 1200, 615, 240}, {}, kBox},
    {DY, TextBox, u"DY", {2520, 1440, 615, 240}, {}, kBox},
    {PO, TextBox, u"PO", {4920, 2160, 495, 255}, {}, kBox},
    {HCPF1, TextBox, u"HCPF1", {6120, 600, 495, 255}, {}, kBox},
    {HCPE1, TextBox, u"HCPE1", {6120, 1560, 495, 255}, {}, kBox},
    {TSE, TextBox, u"TSE", {7560, 2160, 975, 255}, {}, kBox},
    {InfRund, TextBox, u"InfRund", {120, 2640, 5775, 285}, {}, kNoteBox},
    {VScroll1, VerticalBar, u"VScroll1", {360, 0, 255, 855}, {}, {}, true, 0, 100, 0},
    {HScroll1, HorizontalBar, u"HScroll1", {120, 3840, 975, 255}, {}, {}, true, 0, 17, 0},
    {HScroll2, HorizontalBar, u"HScroll2", {120, 4440, 975, 255}, {}, {}, true, 0, 30, 1},
    {HScroll3, HorizontalBar, u"HScroll3", {120, 3240, 975, 255}, {}, {}, true, 0, 2, 0},
    {HScroll4, HorizontalBar, u"HScroll4", {2040, 4440, 975, 255}, {}, {}, true, 0, 1, 0},
    {HScroll5, HorizontalBar, u"HScroll5", {3840, 4440, 975, 255}, {}, {}, true, 0, 1, 0},
    {HScroll6, HorizontalBar, u"HScroll6", {2040, 5040, 975, 255}, {}, {}, true, 0, 9, 1},
    {HScroll7, HorizontalBar, u"HScroll7", {5640, 5040, 975, 255}, {}, {}, true, 0, 9, 0},
    {HScroll8, HorizontalBar, u"HScroll8", {5640, 4440, 975, 255}, {}, {}, true, 0, 9, 0},
    {HScroll9, HorizontalBar, u"HScroll9", {1440, 960, 975, 255}, {}, {}, true, 1, 31, 1},
    {HScroll10, HorizontalBar, u"HScroll10", {1440, 1200, 975, 255}, {}, {}, true, 1, 12, 1},
    {HScroll11, HorizontalBar, u"HScroll11", {1440, 1440, 975, 255}, {}, {}, true, 1995, 2040, 1995},
    {HScroll12, HorizontalBar, u"HScroll12", {3840, 2160, 975, 255}, {}, {}, true, 0, 60, 0},
    {HScroll13, HorizontalBar, u"HScroll13", {5040, 600, 975, 255}, {}, {}, true, 0, 54, 0},
    {HScroll14, HorizontalBar, u"HScroll14", {5040, 1560, 975, 255}, {}, {}, true, 0, 54, 0},
    {HScroll15, HorizontalBar, u"HScroll15", {6480, 2160, 975, 255}, {}, {}, true, 0, 2, 0},
    {HScroll16, HorizontalBar, u"HScroll16", {6720, 600, 855, 255}, {}, {}, true, 0, 9, 0},
    {HScroll17, HorizontalBar, u"HScroll17", {6720, 1560, 855, 255}, {}, {}, true, 0, 9, 0},
    {HScroll18, HorizontalBar, u"HScroll18", {3840, 5040, 975, 255}, {}, {}, false, 0, 9, 0},
    {HScroll19, HorizontalBar, u"HScroll19", {5040, 1080, 975, 255}, {}, {}, true, 0, 54, 0},
    {HScroll20, HorizontalBar, u"HScroll20", {6720, 1080, 855, 255}, {}, {}, true, 0, 9, 0},
    {C_Spara, Button, u"C_Spara", {7560, 4320, 975, 615}, u"SPARA"},
    {C_Avbryt, Button, u"C_Avbryt", {7560, 5040, 975, 375}, u"Avbryt"},
};

// The extended registration in trios of bar, value label and caption.
using Trio = std::array<int, 3>;
inline constexpr Trio kFairway{HScroll4, Fair, Label16};
inline constexpr Trio kGreen{HScroll5, Gren, Label15};
inline constexpr Trio kBunker{HScroll6, Antbunk, Label17};
inline constexpr Trio kPitch{HScroll18, Antpitch, Label22};
inline constexpr Trio kChip{HScroll7, Antchip, Label18};
inline constexpr Trio kPutt{HScroll8, Antputt, Label19};
inline constexpr Trio kExtended[] = {kFairway, kGreen, kBunker, kPitch, kChip, kPutt};
// Shown at level MELLAN.
inline constexpr Trio kMidLevel[] = {kGreen, kPutt};

// Past the last course these stay as they are and every other control but Label24 is
// hidden; on a course the main set is every control but these, Label24 and the extended ones.
inline constexpr int kCourseChooserControls[] = {VScroll1, RG1, C_Avbryt};
inline constexpr int kEndOfList = Label24;

} // namespace regrunda
