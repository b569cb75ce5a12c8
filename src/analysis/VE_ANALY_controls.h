#pragma once

#include "analysis/analysis.h"
#include "platform/windowkit.h"
#include "store/format.h"
#include "store/loading.h"

#include <array>

// The controls of the score analysis window, in twips, in the order they are made. Only
// the course list and "Tillbaka" show when the window opens; a course click shows the rest.
namespace analysis::ve_analy {

using platform::ControlRow;
using platform::Look;
using enum platform::Kind;

inline constexpr int kWidth = 9135;
inline constexpr int kHeight = 10545;

enum Control : int {
    ve_ban,
    Command2,
    Label2,
    Label3,
    l_dat1,
    l_dat2,
    Command1,
    // Fixed texts of the statistics block.
    label5,
    Label19,
    Label10,
    Label20,
    Label27,
    Label14,
    Label4,
    Label15,
    Label11,
    Label6,
    Label12,
    Label16,
    Label17,
    Label13,
    Label9,
    Label8,
    Label18,
    Label7,
    // Results of the statistics block.
    tot_rund,
    Ant_c,
    full_an,
    mell_an,
    ant_hat,
    ant_hac,
    ant_haf,
    ant_ham,
    Fair_c,
    ant_ha1,
    fair_p,
    Green_c,
    ant_ha2,
    green_p,
    Putt_c,
    putt_re,
    putt_p,
    Chip_c,
    chip_ru,
    Chip_p,
    pitch_c,
    pitch_ru,
    pitch_p,
    Bunk_c,
    bunk_ru,
    Bunk_p,
    // The hardest holes and the score classes.
    Label1,
    hcp_ord,
    Label44,
    Label43,
    Label36,
    Label37,
    Label38,
    Label39,
    Label40,
    Label41,
    Label42,
    Label21,
    Label22,
    Label23,
    Label24,
    Label25,
    Label26,
    Label28,
    kFirstClassTotal, // Label29 .. Label35
    Label64 = kFirstClassTotal + analysis::kScoreClasses,
    Label65,
    Label45,
    kFirstOverPar,                                     // Label46 .. Label63: row 1
    kFirstPerRound = kFirstOverPar + store::kMaxHoles, // Label66 .. Label83: row 2
    kControlCount = kFirstPerRound + store::kMaxHoles
};

// The labels of each score class's row, in the order of the classes.
inline constexpr std::array<Control, analysis::kScoreClasses> kClassRows{Label21, Label22, Label23, Label24,
                                                                         Label25, Label26, Label28};

// The label of each summary value.
inline constexpr std::array<Control, analysis::kSummaryLabels> kSummaryControls = [] {
    std::array<Control, analysis::kSummaryLabels> c{};
    c[analysis::kTotRund] = tot_rund;
    c[analysis::kAntHat] = ant_hat;
    c[analysis::kAntC] = Ant_c;
    c[analysis::kFullAn] = full_an;
    c[analysis::kMellAn] = mell_an;
    c[analysis::kAntHac] = ant_hac;
    c[analysis::kAntHaf] = ant_haf;
    c[analysis::kAntHam] = ant_ham;
    c[analysis::kFairC] = Fair_c;
    c[analysis::kAntHa1] = ant_ha1;
    c[analysis::kFairP] = fair_p;
    c[analysis::kGreenC] = Green_c;
    c[analysis::kAntHa2] = ant_ha2;
    c[analysis::kGreenP] = green_p;
    c[analysis::kPuttC] = Putt_c;
    c[analysis::kPuttRe] = putt_re;
    c[analysis::kPuttP] = putt_p;
    c[analysis::kChipC] = Chip_c;
    c[analysis::kChipRu] = chip_ru;
    c[analysis::kChipP] = Chip_p;
    c[analysis::kPitchC] = pitch_c;
    c[analysis::kPitchRu] = pitch_ru;
    c[analysis::kPitchP] = pitch_p;
    c[analysis::kBunkC] = Bunk_c;
    c[analysis::kBunkRu] = bunk_ru;
    c[analysis::kBunkP] = Bunk_p;
    return c;
}();

inline constexpr Look kYellowText{.text = platform::fixed(platform::kYellow)};
inline constexpr Look kWhiteText{.text = platform::fixed(platform::kWhite)};
inline constexpr Look kResult{
    .back = platform::fixed(platform::kCyan), .text = platform::kBlack, .wrap = false};
inline constexpr Look kResultCentred{.back = platform::fixed(platform::kCyan),
                                     .text = platform::kBlack,
                                     .alignment = Qt::AlignCenter,
                                     .wrap = false};
inline constexpr Look kHeader{.text = platform::fixed(platform::kYellow), .wrap = false};

inline constexpr QStringView kLabel1Text =
    u"Här visas dina svåraste hål. Visas från vänster till höger. (Om samma snitt, se kolumnrad längst ned, "
    u"och "
    u"exakt samma antal par, boggies osv så visas det hål med lägre HCP mer till vänster. Om samma snitt men "
    u"du "
    u"har slagit max boggie på hål x och max trippel på hål y så visas hål y mer till vänster, även om hål y "
    u"har "
    u"högre HCP än hål x. P.S Ju lättare hålet är dessto högre HCP D.S)";
inline constexpr QStringView kLabel64Text = u"1:a kolumnraden visar antalet slag över par per hål. Om par 5 "
                                            u"och 2 rundor på 12 slag ger 2 som resultat";
inline constexpr QStringView kLabel65Text =
    u"2:a kolumnraden visar antalet slag i medel. -0 betyder under par, 0 är par, 1 är boggie osv";
inline constexpr QStringView kLabel45Text =
    u"   1       2      3      4      5       6      7      8       9    10     "
    u"11     12    13     14    15    16     17    18";

// The course table holds 111 rows, and every course of a longer file.
inline constexpr int kCourseRows = 111;
// All four files. The main window's guard has found a course and a round: an empty file
// says nothing here.
inline constexpr store::LoadPlan kLoadPlan{.courses = store::WhenEmpty::Silent,
                                           .rounds = store::WhenEmpty::Silent,
                                           .strokes = store::WhenEmpty::Silent,
                                           .extended = store::WhenEmpty::Silent,
                                           .courseRows = kCourseRows,
                                           .afterDamage = store::AfterDamage::ReadOn};

inline constexpr ControlRow kControls[] = {
    {ve_ban, ListBox, u"ve_ban", {120, 120, 4095, 810}},
    {Command2, Button, u"Command2", {6240, 10080, 2775, 375}, u"Tillbaka"},
    {Label2, Label, u"Label2", {120, 1080, 1335, 255}, u"Välj from nedan", kWhiteText, false},
    {Label3, Label, u"Label3", {1560, 1080, 1335, 255}, u"Välj tom nedan", kWhiteText, false},
    {l_dat1, ListBox, u"l_dat1", {120, 1320, 1335, 3150}, {}, {}, false},
    {l_dat2, ListBox, u"l_dat2", {1560, 1320, 1335, 3150}, {}, {}, false},
    {Command1, Button, u"Command1", {120, 4560, 2775, 495}, u"ANALYS", {}, false},

    {label5, Label, u"label5", {5520, 0, 735, 375}, u"TOTALT ANTAL", kYellowText, false},
    {Label19, Label, u"Label19", {6360, 0, 975, 375}, u"SAMTLIGA ANALYS", kYellowText, false},
    {Label10, Label, u"Label10", {7800, 0, 615, 375}, u"Full analys", kYellowText, false},
    {Label20, Label, u"Label20", {8520, 0, 615, 375}, u"Mellan analys", kYellowText, false},
    {Label27, Label, u"Label27", {4680, 480, 975, 255}, u"RUNDOR", kYellowText, false},
    {Label14, Label, u"Label14", {4680, 840, 495, 255}, u"HÅL", kYellowText, false},
    {Label4, Label, u"Label4", {4680, 1200, 975, 375}, u"FAIRWAY TRÄFFAR", kYellowText, false},
    {Label15, Label, u"Label15", {6360, 1320, 495, 255}, u"av", kYellowText, false},
    {Label11, Label, u"Label11", {7800, 1320, 495, 255}, u"i %", kYellowText, false},
    {Label6, Label, u"Label6", {4680, 1680, 855, 375}, u"GREEN TRÄFFAR", kYellowText, false},
    {Label12, Label, u"Label12", {6360, 1800, 495, 255}, u"av", kYellowText, false},
    {Label16, Label, u"Label16", {7800, 1800, 495, 255}, u"i %", kYellowText, false},
    {Label17, Label, u"Label17", {6840, 2160, 855, 495}, u"medel per runda", kYellowText, false},
    {Label13, Label, u"Label13", {8400, 2160, 615, 495}, u"medel per hål", kYellowText, false},
    {Label9, Label, u"Label9", {4680, 2760, 855, 255}, u"PUTTAR", kYellowText, false},
    {Label8, Label, u"Label8", {4680, 3120, 855, 255}, u"CHIPPAR", kYellowText, false},
    {Label18, Label, u"Label18", {4680, 3480, 855, 255}, u"PITCHAR", kYellowText, false},
    {Label7, Label, u"Label7", {4680, 3840, 855, 255}, u"BUNKER", kYellowText, false},

    {tot_rund, Label, u"tot_rund", {5640, 480, 495, 255}, {}, kResult, false},
    {Ant_c, Label, u"Ant_c", {6600, 480, 495, 255}, {}, kResult, false},
    {full_an, Label, u"full_an", {7800, 480, 495, 255}, {}, kResult, false},
    {mell_an, Label, u"mell_an", {8520, 480, 495, 255}, {}, kResult, false},
    {ant_hat, Label, u"ant_hat", {5640, 840, 495, 255}, {}, kResult, false},
    {ant_hac, Label, u"ant_hac", {6600, 840, 495, 255}, {}, kResult, false},
    {ant_haf, Label, u"ant_haf", {7800, 840, 495, 255}, {}, kResult, false},
    {ant_ham, Label, u"ant_ham", {8520, 840, 495, 255}, {}, kResult, false},
    {Fair_c, Label, u"Fair_c", {5640, 1320, 495, 255}, {}, kResult, false},
    {ant_ha1, Label, u"ant_ha1", {6960, 1320, 615, 255}, {}, kResult, false},
    {fair_p, Label, u"fair_p", {8400, 1320, 615, 255}, {}, kResult, false},
    {Green_c, Label, u"Green_c", {5640, 1800, 495, 255}, {}, kResult, false},
    {ant_ha2, Label, u"ant_ha2", {6960, 1800, 615, 255}, {}, kResult, false},
    {green_p, Label, u"green_p", {8400, 1800, 615, 255}, {}, kResult, false},
    {Putt_c, Label, u"Putt_c", {5640, 2760, 495, 255}, {}, kResult, false},
    {putt_re, Label, u"putt_re", {6960, 2760, 615, 255}, {}, kResult, false},
    {putt_p, Label, u"putt_p", {8400, 2760, 615, 255}, {}, kResult, false},
    {Chip_c, Label, u"Chip_c", {5640, 3120, 495, 255}, {}, kResult, false},
    {chip_ru, Label, u"chip_ru", {6960, 3120, 615, 255}, {}, kResult, false},
    {Chip_p, Label, u"Chip_p", {8400, 3120, 615, 255}, {}, kResult, false},
    {pitch_c, Label, u"pitch_c", {5640, 3480, 495, 255}, {}, kResult, false},
    {pitch_ru, Label, u"pitch_ru", {6960, 3480, 615, 255}, {}, kResult, false},
    {pitch_p, Label, u"pitch_p", {8400, 3480, 615, 255}, {}, kResult, false},
    {Bunk_c, Label, u"Bunk_c", {5640, 3840, 495, 255}, {}, kResult, false},
    {bunk_ru, Label, u"bunk_ru", {6960, 3840, 615, 255}, {}, kResult, false},
    {Bunk_p, Label, u"Bunk_p", {8400, 3840, 615, 255}, {}, kResult, false},

    {Label1, Label, u"Label1", {3240, 4200, 5775, 1215}, kLabel1Text, kYellowText, false},
    {hcp_ord, Label, u"hcp_ord", {3240, 5400, 5415, 255}, {}, kResult, false},
    {Label44,
     Label,
     u"Label44",
     {1560, 5760, 2775, 255},
     u"Hålen är visade från 1 till 18",
     kYellowText,
     false},
    {Label43, Label, u"Label43", {7560, 5760, 495, 255}, u"Total", kYellowText, false},
    {Label36, Label, u"Label36", {120, 6120, 1095, 255}, u"Hole In One", kYellowText, false},
    {Label37, Label, u"Label37", {120, 6480, 735, 255}, u"Eagel", kYellowText, false},
    {Label38, Label, u"Label38", {120, 6840, 615, 255}, u"Birdie", kYellowText, false},
    {Label39, Label, u"Label39", {120, 7200, 375, 255}, u"Par", kYellowText, false},
    {Label40, Label, u"Label40", {120, 7560, 615, 255}, u"Bogey", kYellowText, false},
    {Label41, Label, u"Label41", {120, 7920, 1215, 255}, u"Dubbel Bogey", kYellowText, false},
    {Label42, Label, u"Label42", {120, 8280, 1335, 255}, u"Trippel och mer", kYellowText, false},
    {Label21, Label, u"Label21", {1560, 6120, 6015, 255}, {}, kResult, false},
    {Label22, Label, u"Label22", {1560, 6480, 6015, 255}, {}, kResult, false},
    {Label23, Label, u"Label23", {1560, 6840, 6015, 255}, {}, kResult, false},
    {Label24, Label, u"Label24", {1560, 7200, 6015, 255}, {}, kResult, false},
    {Label25, Label, u"Label25", {1560, 7560, 6015, 255}, {}, kResult, false},
    {Label26, Label, u"Label26", {1560, 7920, 6015, 255}, {}, kResult, false},
    {Label28, Label, u"Label28", {1560, 8280, 6015, 255}, {}, kResult, false},
    {Label64, Label, u"Label64", {120, 8640, 9015, 255}, kLabel64Text, kYellowText, false},
    {Label65, Label, u"Label65", {120, 8880, 8895, 255}, kLabel65Text, kYellowText, false},
    {Label45, Label, u"Label45", {120, 9120, 8655, 255}, kLabel45Text, kHeader, false},
};

// The class totals Label29 .. Label35 down the "Total" column.
inline constexpr std::array<int, analysis::kScoreClasses> kClassTops{6120, 6480, 6840, 7200,
                                                                     7560, 7920, 8280};
// The two result rows, hole 1 at the left.
inline constexpr int kCellWidth = 495;
inline constexpr std::array<int, store::kMaxHoles> kHoleLefts = [] {
    std::array<int, store::kMaxHoles> lefts{};
    for (int h = 0; h < store::kMaxHoles; ++h)
        lefts[h] = 120 + 480 * h;
    return lefts;
}();

inline constexpr platform::CellRun kCellRuns[] = {
    {kFirstClassTotal, u"Label", 29, {7560, 6120, 615, 255}, Qt::Vertical, kClassTops, kResult},
    {kFirstOverPar, u"Label", 46, {120, 9360, kCellWidth, 255}, Qt::Horizontal, kHoleLefts, kResultCentred},
    {kFirstPerRound, u"Label", 66, {120, 9720, kCellWidth, 255}, Qt::Horizontal, kHoleLefts, kResultCentred},
};

// The generated cells: the class totals and the two result rows.
inline constexpr int kCellCount = analysis::kScoreClasses + 2 * store::kMaxHoles;
inline constexpr std::array<int, kCellCount> kCellIds = [] {
    std::array<int, kCellCount> ids{};
    for (int i = 0; i < analysis::kScoreClasses; ++i)
        ids[i] = kFirstClassTotal + i;
    for (int h = 0; h < store::kMaxHoles; ++h) {
        ids[analysis::kScoreClasses + h] = kFirstOverPar + h;
        ids[analysis::kScoreClasses + store::kMaxHoles + h] = kFirstPerRound + h;
    }
    return ids;
}();

// The result labels of the table, emptied by a course click with the generated cells.
inline constexpr std::array<int, analysis::kSummaryLabels + 1 + analysis::kScoreClasses> kResultLabels = [] {
    std::array<int, analysis::kSummaryLabels + 1 + analysis::kScoreClasses> ids{};
    int n = 0;
    for (Control id : kSummaryControls)
        ids[n++] = id;
    ids[n++] = hcp_ord;
    for (Control id : kClassRows)
        ids[n++] = id;
    return ids;
}();

// Every control of the table that a course click shows: all but the course list and "Tillbaka".
inline constexpr std::array<int, kFirstClassTotal - Label2 + Label45 - Label64 + 1> kShownByCourse = [] {
    std::array<int, kFirstClassTotal - Label2 + Label45 - Label64 + 1> ids{};
    int n = 0;
    for (int id = Label2; id < kFirstClassTotal; ++id)
        ids[n++] = id;
    for (int id = Label64; id <= Label45; ++id)
        ids[n++] = id;
    return ids;
}();

} // namespace analysis::ve_analy
