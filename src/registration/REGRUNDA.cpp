#include "registration/REGRUNDA.h"

#include "platform/controls.h"
#include "platform/keytextbox.h"
#include "platform/services.h"
#include "platform/storemessages.h"
#include "registration/RoundSaveMessages.h"
#include "registration/roundkeys.h"
#include "registration/roundrecords.h"
#include "registration/roundsave.h"
#include "store/loading.h"
#include "store/numbers.h"
#include "store/records.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace regrunda;

namespace {

constexpr int kDefaultPoints = 36;
constexpr int kDefaultPlayType = 1; // "Sällskap"

QColor shadeColour(Shade shade)
{
    switch (shade) {
    case Shade::Cyan:
        return platform::kCyan;
    case Shade::White:
        return platform::kWhite;
    case Shade::SystemWindow:
        return QApplication::palette().color(QPalette::Base);
    case Shade::Purple:
        return platform::kPurple;
    }
    return platform::kWhite;
}

QString yesNo(int value)
{
    return value == 1 ? u"JA"_s : u"NEJ"_s;
}

bool isChooserControl(const QString &name)
{
    return std::find(std::begin(kCourseChooserControls), std::end(kCourseChooserControls), name) !=
           std::end(kCourseChooserControls);
}

bool isExtendedControl(const QString &name)
{
    return std::any_of(std::begin(kExtended), std::end(kExtended), [&name](const Trio &trio) {
        return std::find(trio.begin(), trio.end(), name) != trio.end();
    });
}

} // namespace

REGRUNDA::REGRUNDA(State &state)
    : platform::Form(u"REGRUNDA", u"REGISTRERA EN GOLFRUNDA", 8580, 5535), m_state(state)
{
    platform::setColours(this, platform::kPurple, platform::kWhite);
    buildCaptions();
    buildValueLabels();
    buildTextBoxes();
    buildBars();
    buildButtons();
    for (QStringView name : kHiddenAtStart)
        setShown(name, false);
}

void REGRUNDA::added(QWidget *control)
{
    m_controls.push_back(control);
}

void REGRUNDA::buildBars()
{
    using Handler = void (REGRUNDA::*)();
    static constexpr std::array<Handler, kBarCount> handlers{
        &REGRUNDA::REGRUNDA_VScroll1_Change,  &REGRUNDA::REGRUNDA_HScroll1_Change,
        &REGRUNDA::REGRUNDA_HScroll2_Change,  &REGRUNDA::REGRUNDA_HScroll3_Change,
        &REGRUNDA::REGRUNDA_HScroll4_Change,  &REGRUNDA::REGRUNDA_HScroll5_Change,
        &REGRUNDA::REGRUNDA_HScroll6_Change,  &REGRUNDA::REGRUNDA_HScroll7_Change,
        &REGRUNDA::REGRUNDA_HScroll8_Change,  &REGRUNDA::REGRUNDA_HScroll9_Change,
        &REGRUNDA::REGRUNDA_HScroll10_Change, &REGRUNDA::REGRUNDA_HScroll11_Change,
        &REGRUNDA::REGRUNDA_HScroll12_Change, &REGRUNDA::REGRUNDA_HScroll13_Change,
        &REGRUNDA::REGRUNDA_HScroll14_Change, &REGRUNDA::REGRUNDA_HScroll15_Change,
        &REGRUNDA::REGRUNDA_HScroll16_Change, &REGRUNDA::REGRUNDA_HScroll17_Change,
        &REGRUNDA::REGRUNDA_HScroll18_Change, &REGRUNDA::REGRUNDA_HScroll19_Change,
        &REGRUNDA::REGRUNDA_HScroll20_Change,
    };
    for (int i = 0; i < kBarCount; ++i) {
        const BarRow &row = kBars[i];
        const Qt::Orientation orientation = i == VScroll1 ? Qt::Vertical : Qt::Horizontal;
        m_bars[i] = platform::makeValueBar(this, row.name, orientation, row.rect, row.minimum, row.maximum,
                                           row.start);
        added(m_bars[i]);
        connect(m_bars[i], &QScrollBar::valueChanged, this, handlers[i]);
    }
}

void REGRUNDA::buildValueLabels()
{
    for (int i = 0; i < kValueLabelCount; ++i) {
        const ValueLabelRow &row = kValueLabels[i];
        QLabel *label = platform::makeLabel(this, row.name, row.rect);
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setAlignment(Qt::AlignCenter);
        const bool purple = row.shade == Shade::Purple;
        platform::setColours(label, shadeColour(row.shade), purple ? platform::kWhite : QColor(Qt::black));
        m_labels[i] = label;
        added(label);
    }
    // The course name stands left in a serif face.
    QFont serif = platform::windowFont();
    serif.setFamilies({u"Times New Roman"_s, u"serif"_s});
    serif.setStyleHint(QFont::Serif);
    m_labels[RG1]->setFont(serif);
    m_labels[RG1]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void REGRUNDA::buildTextBoxes()
{
    for (int i = 0; i < kTextBoxCount; ++i) {
        const TextBoxRow &row = kTextBoxes[i];
        platform::KeyTextBox *box = platform::makeTextBox(this, row.name, row.rect);
        platform::setColours(box, platform::kWhite, QColor(Qt::black));
        if (i != InfRund)
            box->setAlignment(Qt::AlignCenter);
        m_boxes[i] = box;
        added(box);
    }
    for (TextBox digits : {DD, DM, DY, PO, HCPF1, HCPE1})
        m_boxes[digits]->setKeyHandler(registration::digitKey);
    m_boxes[InfRund]->setKeyHandler(registration::noteKey);
    m_boxes[TSE]->setKeyHandler([this](int code) { return REGRUNDA_TSE_KeyPress(code); });
}

void REGRUNDA::buildCaptions()
{
    for (const CaptionRow &row : kCaptions) {
        QLabel *label = platform::makeLabel(this, row.name, row.rect, row.text);
        platform::setColours(label, platform::kPurple, platform::kWhite);
        added(label);
    }
}

void REGRUNDA::buildButtons()
{
    m_spara = platform::makeButton(this, u"C_Spara", kSparaRect, u"SPARA");
    connect(m_spara, &QPushButton::clicked, this, &REGRUNDA::REGRUNDA_C_Spara_Click);
    added(m_spara);
    m_avbryt = platform::makeButton(this, u"C_Avbryt", kAvbrytRect, u"Avbryt");
    connect(m_avbryt, &QPushButton::clicked, this, &REGRUNDA::REGRUNDA_C_Avbryt_Click);
    added(m_avbryt);
}

void REGRUNDA::formLoad()
{
    REGRUNDA_Form_Load();
}

// ---- Load

void REGRUNDA::REGRUNDA_Form_Load()
{
    m_state.hal_slag.fill(u"0"_s);
    registration::zeroExtended(m_state, 0);

    const store::LoadPlan plan{.courses = store::WhenEmpty::MessageContinue,
                               .rounds = store::WhenEmpty::Silent};
    // A damaged or missing file was told of: the register then writes nothing.
    m_state.mayWrite = !platform::loadAndTell(m_state.tables, plan).failed;
    const bool read = m_state.mayWrite;
    // No course was read (an empty course file, or one that could not be read).
    if (courseCell(0, 0).isEmpty()) {
        m_state.tables.bantabell.resize(std::max<size_t>(m_state.tables.bantabell.size(), 1));
        m_state.tables.bantabell[0][0] = u"INGEN BANA ÄR INREGISTRERAD"_s;
    }
    showFirstCourse();

    m_labels[Utoka]->setText(store::levelName(store::Level::Ingen));
    m_bars[HScroll2]->setValue(0);
    setExtendedDefaults();

    m_bars[HScroll9]->setValue(1);
    m_bars[HScroll10]->setValue(1);
    m_bars[HScroll11]->setValue(registration::yearDefault(platform::today()));
    m_bars[HScroll12]->setValue(kDefaultPoints);
    setValueDefaults(read);
}

void REGRUNDA::showFirstCourse()
{
    m_labels[RG1]->setText(courseCell(0, 0));
    m_labels[HA1]->setText(u"1"_s);
    m_labels[MA1]->setText(courseCell(0, store::metresCell(1)));
    m_labels[HCP1]->setText(courseCell(0, store::strokeIndexCell(1)));
    m_labels[PA1]->setText(courseCell(0, store::parCell(1)));
    m_labels[AntSl]->setText(u"0"_s);
    m_state.sista_hal = registration::lastHoleIndex(courseCell(0, 1));
}

void REGRUNDA::setExtendedDefaults()
{
    resetExtendedBars();
    for (const Trio &trio : kExtended)
        setShown(trio, false);
}

void REGRUNDA::setValueDefaults(bool roundsRead)
{
    // Handicaps and slope come from the latest round, the last of the date-sorted file.
    const store::Tables &tables = m_state.tables;
    const int rounds = roundsRead ? store::recordCount(tables.sistaRounds) : 0;
    const bool latest = rounds > 0 && size_t(rounds) <= tables.rundtabell.size();
    const store::RoundRow none{};
    const store::RoundRow &last = latest ? tables.rundtabell[rounds - 1] : none;
    const registration::HandicapParts after = registration::handicapParts(last[store::kHcpEfter]);
    const registration::HandicapParts slope = registration::handicapParts(last[store::kSlopeHcp]);

    m_bars[HScroll13]->setValue(after.whole);
    m_bars[HScroll14]->setValue(after.whole);
    m_bars[HScroll15]->setValue(kDefaultPlayType);
    m_boxes[DD]->setText(barText(HScroll9));
    m_boxes[DM]->setText(barText(HScroll10));
    m_boxes[DY]->setText(barText(HScroll11));
    m_boxes[PO]->setText(barText(HScroll12));
    m_boxes[HCPF1]->setText(barText(HScroll13));
    m_boxes[HCPE1]->setText(barText(HScroll14));
    m_boxes[TSE]->setText(store::kPlayTypes[kDefaultPlayType].word.toString());

    m_labels[HCPFdec]->setText(QString::number(after.tenth));
    m_labels[HCPEdec]->setText(QString::number(after.tenth));
    m_bars[HScroll16]->setValue(after.tenth);
    m_bars[HScroll17]->setValue(after.tenth);

    m_bars[HScroll19]->setValue(slope.whole);
    m_labels[HCPSLF1]->setText(barText(HScroll19));
    m_bars[HScroll20]->setValue(slope.tenth);
    m_labels[HCPSFdec]->setText(barText(HScroll20));
}

// ---- Course and hole

void REGRUNDA::REGRUNDA_VScroll1_Change()
{
    const int row = m_bars[VScroll1]->value();
    m_labels[RG1]->setText(courseCell(row, 0));
    if (m_labels[RG1]->text().isEmpty()) {
        showEndOfList();
        return;
    }
    m_state.sista_hal = registration::lastHoleIndex(courseCell(row, 1));
    m_labels[MA1]->setText(courseCell(row, store::metresCell(1)));
    m_labels[HCP1]->setText(courseCell(row, store::strokeIndexCell(1)));
    m_labels[PA1]->setText(courseCell(row, store::parCell(1)));
    setShown(kEndOfList, false);
    showCourseControls();
    const int level = m_bars[HScroll3]->value();
    if (level >= 1) {
        for (const Trio &trio : kMidLevel)
            setShown(trio, true);
    }
    if (level == 2) {
        for (const Trio &trio : kExtended)
            setShown(trio, true);
    }
    // A course with holes undoes what a row without holes did, and starts at hole 1, also
    // when the hole bar already stands there (a row without holes left its hole unshown).
    if (m_state.sista_hal >= 0) {
        m_avbryt->show();
        platform::setBackground(m_labels[RG1], platform::kCyan);
        if (m_bars[HScroll1]->value() == 0)
            REGRUNDA_HScroll1_Change();
        else
            m_bars[HScroll1]->setValue(0);
    }
}

void REGRUNDA::REGRUNDA_HScroll1_Change()
{
    // The hole is read afresh at each step: lowering the maximum may move the bar.
    const QString &strokes = m_state.hal_slag[currentHole()];
    m_labels[AntSl]->setText(strokes.isEmpty() ? u"0"_s : strokes);
    m_bars[HScroll2]->setValue(int(store::numericValue(m_labels[AntSl]->text())));
    platform::setBarMaximum(m_bars[HScroll1], registration::holeBarMaximum(m_state.sista_hal));
    registration::zeroExtended(m_state, currentHole());
    resetExtendedBars();

    if (m_state.sista_hal < 0) {
        platform::beep();
        platform::setBackground(m_labels[RG1], platform::kRed);
        m_spara->hide();
        m_avbryt->hide();
        return;
    }
    showHoleCells(m_bars[VScroll1]->value(), currentHole());
    const double par = store::numericValue(m_labels[PA1]->text());
    const QString level = m_labels[Utoka]->text();
    if (level != store::levelName(store::Level::Ingen) && level != store::levelName(store::Level::Mellan)) {
        if (par < 4)
            setShown(kFairway, false);
        if (par > 3)
            setShown(kFairway, true);
    }
    if (par < 4) {
        m_labels[Fair]->setText(yesNo(0));
        m_bars[HScroll4]->setValue(0);
    }
    m_state.hal_slag[currentHole()] = m_labels[AntSl]->text();
}

void REGRUNDA::showHoleCells(int row, int hole)
{
    const int number = hole + 1;
    m_labels[HA1]->setText(QString::number(number));
    m_labels[MA1]->setText(courseCell(row, store::metresCell(number)));
    m_labels[HCP1]->setText(courseCell(row, store::strokeIndexCell(number)));
    m_labels[PA1]->setText(courseCell(row, store::parCell(number)));
}

void REGRUNDA::showEndOfList()
{
    for (QWidget *control : m_controls) {
        if (!isChooserControl(control->objectName()))
            control->hide();
    }
    setShown(kEndOfList, true);
}

void REGRUNDA::showCourseControls()
{
    for (QWidget *control : m_controls) {
        const QString name = control->objectName();
        if (!isChooserControl(name) && name != kEndOfList && !isExtendedControl(name))
            control->show();
    }
}

QString REGRUNDA::courseCell(int row, int cell) const
{
    const auto &bantabell = m_state.tables.bantabell;
    return row >= 0 && size_t(row) < bantabell.size() ? bantabell[row][cell] : QString();
}

// ---- Values

QString REGRUNDA::barText(Bar bar) const
{
    return QString::number(m_bars[bar]->value());
}

int REGRUNDA::currentHole() const
{
    return m_bars[HScroll1]->value();
}

void REGRUNDA::REGRUNDA_HScroll2_Change()
{
    m_labels[AntSl]->setText(barText(HScroll2));
    m_state.hal_slag[currentHole()] = m_labels[AntSl]->text();
}

void REGRUNDA::REGRUNDA_HScroll3_Change()
{
    const int level = m_bars[HScroll3]->value();
    m_labels[Utoka]->setText(store::levelName(store::kLevels[level]));
    for (const Trio &trio : kExtended)
        setShown(trio, level == 2);
    if (level == 1) {
        for (const Trio &trio : kMidLevel)
            setShown(trio, true);
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
    m_boxes[DD]->setText(barText(HScroll9));
}

void REGRUNDA::REGRUNDA_HScroll10_Change()
{
    m_boxes[DM]->setText(barText(HScroll10));
}

void REGRUNDA::REGRUNDA_HScroll11_Change()
{
    m_boxes[DY]->setText(barText(HScroll11));
}

void REGRUNDA::REGRUNDA_HScroll12_Change()
{
    m_boxes[PO]->setText(barText(HScroll12));
}

void REGRUNDA::REGRUNDA_HScroll13_Change()
{
    m_boxes[HCPF1]->setText(barText(HScroll13));
    wholePartChanged(m_boxes[HCPF1]->text(), HCPFdec, HScroll16);
}

void REGRUNDA::REGRUNDA_HScroll14_Change()
{
    m_boxes[HCPE1]->setText(barText(HScroll14));
    wholePartChanged(m_boxes[HCPE1]->text(), HCPEdec, HScroll17);
}

void REGRUNDA::REGRUNDA_HScroll19_Change()
{
    m_labels[HCPSLF1]->setText(barText(HScroll19));
    wholePartChanged(m_labels[HCPSLF1]->text(), HCPSFdec, HScroll20);
}

void REGRUNDA::REGRUNDA_HScroll15_Change()
{
    m_boxes[TSE]->setText(store::kPlayTypes[m_bars[HScroll15]->value()].word.toString());
}

void REGRUNDA::REGRUNDA_HScroll16_Change()
{
    m_labels[HCPFdec]->setText(barText(HScroll16));
}

void REGRUNDA::REGRUNDA_HScroll17_Change()
{
    m_labels[HCPEdec]->setText(barText(HScroll17));
}

void REGRUNDA::REGRUNDA_HScroll20_Change()
{
    m_labels[HCPSFdec]->setText(barText(HScroll20));
}

// A whole part at the top, 54, forces the tenth to 0; the tenth stays free afterwards.
void REGRUNDA::wholePartChanged(const QString &shown, ValueLabel tenth, Bar tenthBar)
{
    if (store::numericValue(shown) != registration::kHandicapMax)
        return;
    m_labels[tenth]->setText(u"0"_s);
    m_bars[tenthBar]->setValue(0);
}

void REGRUNDA::flagChanged(Bar bar, Slots &perHole, ValueLabel label)
{
    const int value = m_bars[bar]->value();
    perHole[currentHole()] = value;
    m_labels[label]->setText(yesNo(value));
}

void REGRUNDA::countChanged(Bar bar, Slots &perHole, ValueLabel label)
{
    perHole[currentHole()] = m_bars[bar]->value();
    m_labels[label]->setText(barText(bar));
}

void REGRUNDA::resetExtendedBars()
{
    m_bars[HScroll4]->setValue(0);
    m_labels[Fair]->setText(yesNo(0));
    m_bars[HScroll5]->setValue(0);
    m_labels[Gren]->setText(yesNo(0));
    for (auto [bar, label] : {std::pair{HScroll6, Antbunk}, std::pair{HScroll7, Antchip},
                              std::pair{HScroll8, Antputt}, std::pair{HScroll18, Antpitch}}) {
        m_bars[bar]->setValue(0);
        m_labels[label]->setText(u"0"_s);
    }
}

int REGRUNDA::REGRUNDA_TSE_KeyPress(int keyAscii)
{
    const registration::TypeOfPlayKey key = registration::typeOfPlayKey(keyAscii);
    for (int i = 0; i < key.beeps; ++i)
        platform::beep();
    return key.code;
}

// ---- Visibility

QWidget *REGRUNDA::named(QStringView name) const
{
    const auto found = std::find_if(m_controls.begin(), m_controls.end(),
                                    [name](const QWidget *control) { return control->objectName() == name; });
    Q_ASSERT(found != m_controls.end());
    return *found;
}

void REGRUNDA::setShown(QStringView name, bool shown)
{
    named(name)->setVisible(shown);
}

void REGRUNDA::setShown(const Trio &trio, bool shown)
{
    for (QStringView name : trio)
        setShown(name, shown);
}

// ---- Leaving

void REGRUNDA::REGRUNDA_C_Spara_Click()
{
    if (m_boxes[InfRund]->text().isEmpty())
        m_boxes[InfRund]->setText(u" "_s);
    const registration::RoundInput input{
        .year = m_boxes[DY]->text(),
        .month = m_boxes[DM]->text(),
        .day = m_boxes[DD]->text(),
        .course = m_labels[RG1]->text(),
        .hcpForeWhole = m_boxes[HCPF1]->text(),
        .hcpForeTenth = m_labels[HCPFdec]->text(),
        .hcpEfterWhole = m_boxes[HCPE1]->text(),
        .hcpEfterTenth = m_labels[HCPEdec]->text(),
        .slopeWhole = m_labels[HCPSLF1]->text(),
        .slopeTenth = m_labels[HCPSFdec]->text(),
        .points = m_boxes[PO]->text(),
        .playType = m_boxes[TSE]->text(),
        .note = m_boxes[InfRund]->text(),
        .level = m_labels[Utoka]->text(),
        .sista_hal = m_state.sista_hal,
    };
    // After a damaged or missing file nothing is written.
    const registration::SaveResult saved =
        m_state.mayWrite ? registration::saveRound(m_state.tables, input, m_state)
                         : registration::SaveResult{.outcome = registration::SaveOutcome::NotSaved};
    switch (saved.outcome) {
    case registration::SaveOutcome::HoleCountFailure:
        m_state.ve_abend.show();
        break;
    case registration::SaveOutcome::StrokesFailure:
        m_state.fel9_18.show();
        break;
    case registration::SaveOutcome::NotSaved:
        registration::tellNotSaved(saved);
        break;
    case registration::SaveOutcome::Saved:
        break;
    }
    unload();
}

void REGRUNDA::REGRUNDA_C_Avbryt_Click()
{
    unload();
}
