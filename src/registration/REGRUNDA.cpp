#include "registration/REGRUNDA.h"

#include "platform/controls.h"
#include "platform/keytextbox.h"
#include "platform/services.h"
#include "platform/storemessages.h"
#include "registration/REGRUNDA_controls.h"
#include "registration/roundkeys.h"
#include "registration/roundrecords.h"
#include "registration/roundsave.h"
#include "store/loading.h"
#include "store/numbers.h"
#include "store/records.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace registration::regrunda;

namespace {

constexpr int kDefaultPoints = 36;
constexpr int kDefaultPlayType = 1; // "Sällskap"

QString yesNo(int value)
{
    return value == 1 ? u"JA"_s : u"NEJ"_s;
}

bool isChooserControl(int id)
{
    return std::ranges::find(kCourseChooserControls, id) != std::end(kCourseChooserControls);
}

bool isExtendedControl(int id)
{
    return std::ranges::any_of(kExtended,
                               [id](const Trio &trio) { return std::ranges::find(trio, id) != trio.end(); });
}

} // namespace

REGRUNDA::REGRUNDA(State &state)
    : platform::KitWindow(
          {u"REGRUNDA", u"REGISTRERA EN GOLFRUNDA", 8580, 5535, platform::kPurpleWindow, kControls}),
      m_state(state)
{
    connectHandlers();
}

void REGRUNDA::connectHandlers()
{
    // Each bar beside its own change handler, so the order of the ids never decides the wiring.
    struct BarHandler
    {
        Control bar;
        void (REGRUNDA::*change)();
    };
    static constexpr BarHandler kBarHandlers[] = {
        {VScroll1, &REGRUNDA::REGRUNDA_VScroll1_Change},   {HScroll1, &REGRUNDA::REGRUNDA_HScroll1_Change},
        {HScroll2, &REGRUNDA::REGRUNDA_HScroll2_Change},   {HScroll3, &REGRUNDA::REGRUNDA_HScroll3_Change},
        {HScroll4, &REGRUNDA::REGRUNDA_HScroll4_Change},   {HScroll5, &REGRUNDA::REGRUNDA_HScroll5_Change},
        {HScroll6, &REGRUNDA::REGRUNDA_HScroll6_Change},   {HScroll7, &REGRUNDA::REGRUNDA_HScroll7_Change},
        {HScroll8, &REGRUNDA::REGRUNDA_HScroll8_Change},   {HScroll9, &REGRUNDA::REGRUNDA_HScroll9_Change},
        {HScroll10, &REGRUNDA::REGRUNDA_HScroll10_Change}, {HScroll11, &REGRUNDA::REGRUNDA_HScroll11_Change},
        {HScroll12, &REGRUNDA::REGRUNDA_HScroll12_Change}, {HScroll13, &REGRUNDA::REGRUNDA_HScroll13_Change},
        {HScroll14, &REGRUNDA::REGRUNDA_HScroll14_Change}, {HScroll15, &REGRUNDA::REGRUNDA_HScroll15_Change},
        {HScroll16, &REGRUNDA::REGRUNDA_HScroll16_Change}, {HScroll17, &REGRUNDA::REGRUNDA_HScroll17_Change},
        {HScroll18, &REGRUNDA::REGRUNDA_HScroll18_Change}, {HScroll19, &REGRUNDA::REGRUNDA_HScroll19_Change},
        {HScroll20, &REGRUNDA::REGRUNDA_HScroll20_Change},
    };
    for (const auto &[bar, change] : kBarHandlers)
        connect(m_controls.bar(bar), &QScrollBar::valueChanged, this, change);
    for (int digits : {DD, DM, DY, PO, HCPF1, HCPE1})
        m_controls.textBox(digits)->setKeyHandler(registration::digitKey);
    m_controls.textBox(InfRund)->setKeyHandler(registration::noteKey);
    m_controls.textBox(TSE)->setKeyHandler([this](int code) { return REGRUNDA_TSE_KeyPress(code); });
    connect(m_controls.button(C_Spara), &QPushButton::clicked, this, &REGRUNDA::REGRUNDA_C_Spara_Click);
    connect(m_controls.button(C_Avbryt), &QPushButton::clicked, this, &REGRUNDA::REGRUNDA_C_Avbryt_Click);
}

// ---- Load

void REGRUNDA::REGRUNDA_Form_Load()
{
    m_state.hal_slag.fill(u"0"_s);
    registration::zeroExtended(m_state, 0);

    // A damaged or missing file was told of: the register then writes nothing.
    m_state.unread = platform::loadAndTell(m_state.tables, kLoadPlan).firstUnread();
    const bool read = !m_state.unread;
    // No course was read (an empty course file, or one that could not be read).
    if (courseCell(0, store::kCourseBannamn).isEmpty()) {
        m_state.tables.bantabell.resize(std::max<size_t>(m_state.tables.bantabell.size(), 1));
        m_state.tables.bantabell[0][store::kCourseBannamn] = u"INGEN BANA ÄR INREGISTRERAD"_s;
    }
    showFirstCourse();

    m_controls.label(Utoka)->setText(store::levelName(store::Level::Ingen));
    m_controls.bar(HScroll2)->setValue(0);
    setExtendedDefaults();

    m_controls.bar(HScroll9)->setValue(1);
    m_controls.bar(HScroll10)->setValue(1);
    m_controls.bar(HScroll11)->setValue(registration::yearDefault(platform::today()));
    m_controls.bar(HScroll12)->setValue(kDefaultPoints);
    setValueDefaults(read);
}

void REGRUNDA::showFirstCourse()
{
    m_controls.label(RG1)->setText(courseCell(0, store::kCourseBannamn));
    m_controls.label(HA1)->setText(u"1"_s);
    m_controls.label(MA1)->setText(courseCell(0, store::metresCell(1)));
    m_controls.label(HCP1)->setText(courseCell(0, store::strokeIndexCell(1)));
    m_controls.label(PA1)->setText(courseCell(0, store::parCell(1)));
    m_controls.label(AntSl)->setText(u"0"_s);
    m_state.sista_hal = registration::lastHoleIndex(courseCell(0, store::kCourseAntalHal));
}

void REGRUNDA::setExtendedDefaults()
{
    resetExtendedBars();
    for (const Trio &trio : kExtended)
        m_controls.setShown(trio, false);
}

void REGRUNDA::setValueDefaults(bool roundsRead)
{
    // Handicaps and slope come from the latest round, the last of the date-sorted file.
    const store::Tables &tables = m_state.tables;
    const int rounds = roundsRead ? store::heldRounds(tables) : 0;
    const bool latest = rounds > 0;
    const store::RoundRow none{};
    const store::RoundRow &last = latest ? tables.rundtabell[rounds - 1] : none;
    const registration::HandicapParts after = registration::handicapParts(last[store::kHcpEfter]);
    const registration::HandicapParts slope = registration::handicapParts(last[store::kSlopeHcp]);

    m_controls.bar(HScroll13)->setValue(after.whole);
    m_controls.bar(HScroll14)->setValue(after.whole);
    m_controls.bar(HScroll15)->setValue(kDefaultPlayType);
    m_controls.textBox(DD)->setText(barText(HScroll9));
    m_controls.textBox(DM)->setText(barText(HScroll10));
    m_controls.textBox(DY)->setText(barText(HScroll11));
    m_controls.textBox(PO)->setText(barText(HScroll12));
    m_controls.textBox(HCPF1)->setText(barText(HScroll13));
    m_controls.textBox(HCPE1)->setText(barText(HScroll14));
    m_controls.textBox(TSE)->setText(store::kPlayTypes[kDefaultPlayType].word.toString());

    m_controls.label(HCPFdec)->setText(QString::number(after.tenth));
    m_controls.label(HCPEdec)->setText(QString::number(after.tenth));
    m_controls.bar(HScroll16)->setValue(after.tenth);
    m_controls.bar(HScroll17)->setValue(after.tenth);

    m_controls.bar(HScroll19)->setValue(slope.whole);
    m_controls.label(HCPSLF1)->setText(barText(HScroll19));
    m_controls.bar(HScroll20)->setValue(slope.tenth);
    m_controls.label(HCPSFdec)->setText(barText(HScroll20));
}

// ---- Course and hole

void REGRUNDA::REGRUNDA_VScroll1_Change()
{
    const int row = m_controls.bar(VScroll1)->value();
    m_controls.label(RG1)->setText(courseCell(row, store::kCourseBannamn));
    if (m_controls.label(RG1)->text().isEmpty()) {
        showEndOfList();
        return;
    }
    m_state.sista_hal = registration::lastHoleIndex(courseCell(row, store::kCourseAntalHal));
    m_controls.label(MA1)->setText(courseCell(row, store::metresCell(1)));
    m_controls.label(HCP1)->setText(courseCell(row, store::strokeIndexCell(1)));
    m_controls.label(PA1)->setText(courseCell(row, store::parCell(1)));
    m_controls.setShown({kEndOfList}, false);
    showCourseControls();
    const int level = m_controls.bar(HScroll3)->value();
    if (level >= 1) {
        for (const Trio &trio : kMidLevel)
            m_controls.setShown(trio, true);
    }
    if (level == 2) {
        for (const Trio &trio : kExtended)
            m_controls.setShown(trio, true);
    }
    // A course with holes undoes what a row without holes did, and starts at hole 1, also
    // when the hole bar already stands there (a row without holes left its hole unshown).
    if (m_state.sista_hal >= 0) {
        m_controls.button(C_Avbryt)->show();
        platform::setBackground(m_controls.label(RG1), platform::kCyan);
        if (m_controls.bar(HScroll1)->value() == 0)
            REGRUNDA_HScroll1_Change();
        else
            m_controls.bar(HScroll1)->setValue(0);
    }
}

void REGRUNDA::REGRUNDA_HScroll1_Change()
{
    // The hole is read afresh at each step: lowering the maximum may move the bar.
    const QString &strokes = m_state.hal_slag[currentHole()];
    m_controls.label(AntSl)->setText(strokes.isEmpty() ? u"0"_s : strokes);
    m_controls.bar(HScroll2)->setValue(int(store::numericValue(m_controls.label(AntSl)->text())));
    platform::setBarMaximum(m_controls.bar(HScroll1), registration::holeBarMaximum(m_state.sista_hal));
    registration::zeroExtended(m_state, currentHole());
    resetExtendedBars();

    if (m_state.sista_hal < 0) {
        platform::beep();
        platform::setBackground(m_controls.label(RG1), platform::kRed);
        m_controls.button(C_Spara)->hide();
        m_controls.button(C_Avbryt)->hide();
        return;
    }
    showHoleCells(m_controls.bar(VScroll1)->value(), currentHole());
    const double par = store::numericValue(m_controls.label(PA1)->text());
    const QString level = m_controls.label(Utoka)->text();
    if (level != store::levelName(store::Level::Ingen) && level != store::levelName(store::Level::Mellan)) {
        if (par < 4)
            m_controls.setShown(kFairway, false);
        if (par > 3)
            m_controls.setShown(kFairway, true);
    }
    if (par < 4) {
        m_controls.label(Fair)->setText(yesNo(0));
        m_controls.bar(HScroll4)->setValue(0);
    }
    m_state.hal_slag[currentHole()] = m_controls.label(AntSl)->text();
}

void REGRUNDA::showHoleCells(int row, int hole)
{
    const int number = hole + 1;
    m_controls.label(HA1)->setText(QString::number(number));
    m_controls.label(MA1)->setText(courseCell(row, store::metresCell(number)));
    m_controls.label(HCP1)->setText(courseCell(row, store::strokeIndexCell(number)));
    m_controls.label(PA1)->setText(courseCell(row, store::parCell(number)));
}

void REGRUNDA::showEndOfList()
{
    for (int id = 0; id < kControlCount; ++id) {
        if (!isChooserControl(id))
            m_controls.widget(id)->hide();
    }
    m_controls.setShown({kEndOfList}, true);
}

void REGRUNDA::showCourseControls()
{
    for (int id = 0; id < kControlCount; ++id) {
        if (!isChooserControl(id) && id != kEndOfList && !isExtendedControl(id))
            m_controls.widget(id)->show();
    }
}

QString REGRUNDA::courseCell(int row, int cell) const
{
    const auto &bantabell = m_state.tables.bantabell;
    return row >= 0 && size_t(row) < bantabell.size() ? bantabell[row][cell] : QString();
}

// ---- Values

QString REGRUNDA::barText(Control bar) const
{
    return QString::number(m_controls.bar(bar)->value());
}

int REGRUNDA::currentHole() const
{
    return m_controls.bar(HScroll1)->value();
}

void REGRUNDA::REGRUNDA_HScroll2_Change()
{
    m_controls.label(AntSl)->setText(barText(HScroll2));
    m_state.hal_slag[currentHole()] = m_controls.label(AntSl)->text();
}

void REGRUNDA::REGRUNDA_HScroll3_Change()
{
    const int level = m_controls.bar(HScroll3)->value();
    m_controls.label(Utoka)->setText(store::levelName(store::kLevels[level]));
    for (const Trio &trio : kExtended)
        m_controls.setShown(trio, level == 2);
    if (level == 1) {
        for (const Trio &trio : kMidLevel)
            m_controls.setShown(trio, true);
    }
}

void REGRUNDA::REGRUNDA_HScroll4_Change()
{
    flagChanged(HScroll4, m_state.hal_fairway, Fair);
}

void REGRUNDA::REGRUNDA_HScroll5_Change()
{
    flagChanged(HScroll5, m_state.hal_green, Gren);
}

void REGRUNDA::REGRUNDA_HScroll6_Change()
{
    countChanged(HScroll6, m_state.hal_bunker, Antbunk);
}

void REGRUNDA::REGRUNDA_HScroll7_Change()
{
    countChanged(HScroll7, m_state.hal_chip, Antchip);
}

void REGRUNDA::REGRUNDA_HScroll8_Change()
{
    countChanged(HScroll8, m_state.hal_putt, Antputt);
}

void REGRUNDA::REGRUNDA_HScroll18_Change()
{
    countChanged(HScroll18, m_state.hal_pitch, Antpitch);
}

void REGRUNDA::REGRUNDA_HScroll9_Change()
{
    m_controls.textBox(DD)->setText(barText(HScroll9));
}

void REGRUNDA::REGRUNDA_HScroll10_Change()
{
    m_controls.textBox(DM)->setText(barText(HScroll10));
}

void REGRUNDA::REGRUNDA_HScroll11_Change()
{
    m_controls.textBox(DY)->setText(barText(HScroll11));
}

void REGRUNDA::REGRUNDA_HScroll12_Change()
{
    m_controls.textBox(PO)->setText(barText(HScroll12));
}

void REGRUNDA::REGRUNDA_HScroll13_Change()
{
    m_controls.textBox(HCPF1)->setText(barText(HScroll13));
    wholePartChanged(m_controls.textBox(HCPF1)->text(), HCPFdec, HScroll16);
}

void REGRUNDA::REGRUNDA_HScroll14_Change()
{
    m_controls.textBox(HCPE1)->setText(barText(HScroll14));
    wholePartChanged(m_controls.textBox(HCPE1)->text(), HCPEdec, HScroll17);
}

void REGRUNDA::REGRUNDA_HScroll19_Change()
{
    m_controls.label(HCPSLF1)->setText(barText(HScroll19));
    wholePartChanged(m_controls.label(HCPSLF1)->text(), HCPSFdec, HScroll20);
}

void REGRUNDA::REGRUNDA_HScroll15_Change()
{
    m_controls.textBox(TSE)->setText(store::kPlayTypes[m_controls.bar(HScroll15)->value()].word.toString());
}

void REGRUNDA::REGRUNDA_HScroll16_Change()
{
    m_controls.label(HCPFdec)->setText(barText(HScroll16));
}

void REGRUNDA::REGRUNDA_HScroll17_Change()
{
    m_controls.label(HCPEdec)->setText(barText(HScroll17));
}

void REGRUNDA::REGRUNDA_HScroll20_Change()
{
    m_controls.label(HCPSFdec)->setText(barText(HScroll20));
}

// A whole part at the top, 54, forces the tenth to 0; the tenth stays free afterwards.
void REGRUNDA::wholePartChanged(const QString &shown, Control tenth, Control tenthBar)
{
    if (store::numericValue(shown) != registration::kHandicapMax)
        return;
    m_controls.label(tenth)->setText(u"0"_s);
    m_controls.bar(tenthBar)->setValue(0);
}

void REGRUNDA::flagChanged(Control bar, Slots &perHole, Control label)
{
    const int value = m_controls.bar(bar)->value();
    perHole[currentHole()] = value;
    m_controls.label(label)->setText(yesNo(value));
}

void REGRUNDA::countChanged(Control bar, Slots &perHole, Control label)
{
    perHole[currentHole()] = m_controls.bar(bar)->value();
    m_controls.label(label)->setText(barText(bar));
}

void REGRUNDA::resetExtendedBars()
{
    m_controls.bar(HScroll4)->setValue(0);
    m_controls.label(Fair)->setText(yesNo(0));
    m_controls.bar(HScroll5)->setValue(0);
    m_controls.label(Gren)->setText(yesNo(0));
    for (auto [bar, label] : {std::pair{HScroll6, Antbunk}, std::pair{HScroll7, Antchip},
                              std::pair{HScroll8, Antputt}, std::pair{HScroll18, Antpitch}}) {
        m_controls.bar(bar)->setValue(0);
        m_controls.label(label)->setText(u"0"_s);
    }
}

int REGRUNDA::REGRUNDA_TSE_KeyPress(int keyAscii)
{
    const registration::TypeOfPlayKey key = registration::typeOfPlayKey(keyAscii);
    for (int i = 0; i < key.beeps; ++i)
        platform::beep();
    return key.code;
}

// ---- Leaving

void REGRUNDA::REGRUNDA_C_Spara_Click()
{
    if (m_controls.textBox(InfRund)->text().isEmpty())
        m_controls.textBox(InfRund)->setText(u" "_s);
    const registration::RoundInput input{
        .year = m_controls.textBox(DY)->text(),
        .month = m_controls.textBox(DM)->text(),
        .day = m_controls.textBox(DD)->text(),
        .course = m_controls.label(RG1)->text(),
        .hcpForeWhole = m_controls.textBox(HCPF1)->text(),
        .hcpForeTenth = m_controls.label(HCPFdec)->text(),
        .hcpEfterWhole = m_controls.textBox(HCPE1)->text(),
        .hcpEfterTenth = m_controls.label(HCPEdec)->text(),
        .slopeWhole = m_controls.label(HCPSLF1)->text(),
        .slopeTenth = m_controls.label(HCPSFdec)->text(),
        .points = m_controls.textBox(PO)->text(),
        .playType = m_controls.textBox(TSE)->text(),
        .note = m_controls.textBox(InfRund)->text(),
        .level = m_controls.label(Utoka)->text(),
        .sista_hal = m_state.sista_hal,
    };
    // After a damaged or missing file nothing is written, whether the register read it at its
    // load or the save reads it again now; the user is told which, and that the round was not
    // saved.
    std::optional<store::FileStatus> unread = m_state.unread;
    if (!unread)
        unread = store::load(m_state.tables, registration::kRoundSavePlan).firstUnread();
    if (unread) {
        platform::tellNotSaved(*unread, u"Rundan sparades inte."_s);
    } else {
        const registration::NewRound round = registration::addRound(m_state.tables, input, m_state);
        switch (round.error) {
        case registration::RoundError::HoleCount:
            m_state.ve_abend.show();
            break;
        case registration::RoundError::Strokes:
            m_state.fel9_18.show();
            break;
        case registration::RoundError::None:
            platform::saveChange(round.change);
            break;
        }
    }
    unload();
}

void REGRUNDA::REGRUNDA_C_Avbryt_Click()
{
    unload();
}
