#include "registration/REGBANA.h"

#include "platform/keytextbox.h"
#include "platform/optionbutton.h"
#include "platform/services.h"
#include "platform/storemessages.h"
#include "registration/REGBANA_controls.h"
#include "registration/coursesave.h"
#include "store/format.h"
#include "store/loading.h"
#include "store/numbers.h"
#include "store/records.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

using namespace Qt::StringLiterals;
using namespace registration::regbana;

namespace {

// The three values of a hole, each with its bar, its label and its cell.
struct HoleValue
{
    Control bar;
    Control label;
    int (*cell)(int hole);
};
constexpr HoleValue kHoleValues[] = {
    {HScroll2, XMETER, store::metresCell},
    {HScroll3, XHCP, store::strokeIndexCell},
    {HScroll4, XPAR, store::parCell},
};

// A cell's number as a bar value; a value outside the bar's range goes to its nearest end.
int barValueOf(const QScrollBar *bar, const QString &text)
{
    return store::clampedWhole(store::numericValue(text), bar->minimum(), bar->maximum());
}

} // namespace

REGBANA::REGBANA(State &state)
    : platform::KitWindow(
          {u"REGBANA", u"REGISTRERA EN BANA", 8655, 4770, platform::kPurpleWindow, kControls}),
      m_state(state)
{
    connectHandlers();
}

void REGBANA::connectHandlers()
{
    m_controls.textBox(RB_Namn)->setKeyHandler([this](int code) { return REGBANA_RB_Namn_KeyPress(code); });
    connect(m_controls.button(RB_NAMNKLAR), &QPushButton::clicked, this, &REGBANA::REGBANA_RB_NAMNKLAR_Click);
    connect(m_controls.button(RB_NAMNAVBRYT), &QPushButton::clicked, this,
            &REGBANA::REGBANA_RB_NAMNAVBRYT_Click);
    connect(m_controls.button(RB_KLAR), &QPushButton::clicked, this, &REGBANA::REGBANA_RB_KLAR_Click);
    connect(m_controls.bar(VScroll1), &QScrollBar::valueChanged, this, &REGBANA::REGBANA_VScroll1_Change);
    connect(m_controls.bar(HScroll1), &QScrollBar::valueChanged, this, &REGBANA::REGBANA_HScroll1_Change);
    connect(m_controls.bar(HScroll2), &QScrollBar::valueChanged, this, &REGBANA::REGBANA_HScroll2_Change);
    connect(m_controls.bar(HScroll3), &QScrollBar::valueChanged, this, &REGBANA::REGBANA_HScroll3_Change);
    connect(m_controls.bar(HScroll4), &QScrollBar::valueChanged, this, &REGBANA::REGBANA_HScroll4_Change);
}

void REGBANA::REGBANA_Form_Load()
{
    m_state.inmatat_namn.clear();
    m_controls.label(XHAL)->setText(u"1"_s);

    m_state.unread = platform::loadAndTell(m_state.tables, kLoadPlan).firstUnread();
    m_state.sista_bana = registration::lastCourseRow(m_state.tables);
    registration::writeStatusTexts(m_state.tables.bantabell, m_state.sista_bana);

    // The chooser starts at row 0; the chooser and the hole step are hidden as made.
    m_controls.label(RB_N2)->setText(m_state.tables.bantabell[0][store::kCourseBannamn]);
}

int REGBANA::REGBANA_RB_Namn_KeyPress(int code)
{
    return registration::nameKey(m_state.inmatat_namn, code);
}

void REGBANA::REGBANA_RB_NAMNKLAR_Click()
{
    const QString typed = m_controls.textBox(RB_Namn)->text();
    if (m_state.tables.bantabell[0][store::kCourseBannamn] == registration::noCourseText() &&
        typed.isEmpty()) {
        platform::message(u"Du har ingen bana registrerad!"_s, u"Information"_s, platform::kStyleOkOnly);
        return;
    }
    // The name saved is the box's text: edits the key handler never sees are kept too.
    m_state.inmatat_namn = typed;
    const bool nameGiven = !typed.isEmpty();
    if (nameGiven && !registration::canAddCourse(m_state.sista_bana)) {
        platform::tellCourseLimit();
        return;
    }
    if (nameGiven && registration::isReservedName(typed)) {
        platform::beep();
        return;
    }
    // What the box shows from here on is the name that is saved.
    m_controls.textBox(RB_Namn)->setReadOnly(true);

    m_controls.setShown({VScroll1, Label1, Option1, RB_N2, Label5}, true);
    m_controls.setShown({Label4}, false);
    if (nameGiven) {
        m_controls.option(Option1)->setChecked(false);
        m_state.aktuell_rad = m_state.sista_bana;
    } else {
        m_controls.setShown({RB_Namn, Label2, Label3}, false);
        m_state.aktuell_rad = m_controls.bar(VScroll1)->value();
    }

    const bool rowFree = !nameGiven && registration::isFreeRow(currentRow());
    const registration::CourseChoice choice = registration::decideCourse(
        nameGiven, m_controls.option(Option1)->isChecked(), rowFree, m_state.sista_bana);
    if (choice == registration::CourseChoice::Beep) {
        platform::beep();
        return;
    }
    if (choice == registration::CourseChoice::Change)
        m_state.inmatat_namn = m_controls.label(RB_N2)->text();

    const bool newCourse = choice == registration::CourseChoice::NewCourse;
    showHoleStep(newCourse);
    if (newCourse)
        m_state.aktuell_rad = ++m_state.sista_bana;
    else
        showHoleValues(1);
}

void REGBANA::showHoleStep(bool newCourse)
{
    m_controls.setShown({RB_H1}, true);
    m_controls.setShown({RB_NAMNKLAR, Label3}, false);
    m_controls.setShown({RB_NAMNAVBRYT}, true);
    m_controls.setShown({RB_KLAR}, !newCourse);
    m_controls.setShown({VScroll1, Option1, Label5, Label1}, false);
    m_controls.setShown({RB_HC1, RB_M1, RB_P1}, true);
    for (const Control id : {XMETER, XPAR, XHCP})
        m_controls.label(id)->setText(u"1"_s);
    m_controls.setShown({HScroll1, HScroll2, HScroll3, HScroll4, Label6, XHAL, XMETER, XPAR, XHCP}, true);
    if (newCourse)
        m_controls.setShown({RB_N2}, false);
    // The work goes on at the hole bar, the step's first tab stop; the name box before it
    // only shows the name.
    m_controls.bar(HScroll1)->setFocus(Qt::TabFocusReason);
}

void REGBANA::REGBANA_VScroll1_Change()
{
    m_controls.label(RB_N2)->setText(
        m_state.tables.bantabell[m_controls.bar(VScroll1)->value()][store::kCourseBannamn]);
    m_controls.option(Option1)->setChecked(false);
}

void REGBANA::REGBANA_HScroll1_Change()
{
    const int hole = m_controls.bar(HScroll1)->value();
    m_controls.label(XHAL)->setText(store::numberText(hole));
    // A new course may be saved on arriving at hole 9 or 18 from a hole longer than 1 metre.
    if (!m_controls.option(Option1)->isChecked())
        m_controls.setShown({RB_KLAR},
                            store::isNineOrEighteen(hole) && m_controls.bar(HScroll2)->value() > 1);
    showHoleValues(hole);
}

// The hole's cells into the labels and bars. A bar that moves stores its value back, so
// an empty cell becomes "1" only when its bar was not at 1 already.
void REGBANA::showHoleValues(int hole)
{
    for (const HoleValue &value : kHoleValues) {
        const QString text = currentRow()[value.cell(hole)];
        QScrollBar *valueBar = m_controls.bar(value.bar);
        if (text.isEmpty()) {
            m_controls.label(value.label)->setText(u"1"_s);
            valueBar->setValue(1);
        } else {
            m_controls.label(value.label)->setText(text);
            valueBar->setValue(barValueOf(valueBar, text));
        }
    }
}

void REGBANA::REGBANA_HScroll2_Change()
{
    storeHoleValue(HScroll2, XMETER, store::metresCell(currentHole()));
}

void REGBANA::REGBANA_HScroll3_Change()
{
    storeHoleValue(HScroll3, XHCP, store::strokeIndexCell(currentHole()));
}

void REGBANA::REGBANA_HScroll4_Change()
{
    storeHoleValue(HScroll4, XPAR, store::parCell(currentHole()));
}

void REGBANA::storeHoleValue(Control barId, Control labelId, int cell)
{
    const QString text = store::numberText(m_controls.bar(barId)->value());
    m_controls.label(labelId)->setText(text);
    currentRow()[cell] = text;
}

void REGBANA::REGBANA_RB_KLAR_Click()
{
    // A file that could not be read whole is never written over. The register stays open, as
    // after a failed write, with what was entered.
    if (m_state.unread) {
        platform::tellNotSaved(*m_state.unread, u"Banan sparades inte."_s);
        return;
    }
    store::CourseRow &row = currentRow();
    row[store::kCourseBannamn] = m_state.inmatat_namn;
    const int holes = registration::countCompleteHoles(row);
    row[store::kCourseAntalHal] = store::numberText(holes);
    if (!store::isNineOrEighteen(holes)) {
        platform::beep();
        platform::beep();
        row.fill(QString());
        showInputError();
        return;
    }

    // A failed write has been reported; the register stays open so nothing entered is lost.
    if (!platform::saveChange(registration::newCourseFile(m_state.tables.bantabell, m_state.sista_bana + 1)))
        return;
    if (m_state.sista_bana == 0)
        platform::message(
            u"Eftersom denna bana är din första vemtor registrerade bana, så måste du starta om "
            u"VEMTOR (I huvudmenyn Arkiv + Avsluta.)"_s,
            u"INFORMATION"_s, platform::kStyleOkOnly);
    unload();
}

// The error window closes this register as it loads. An error window still open from an
// earlier refusal is made afresh, so that its load runs and the register closes.
void REGBANA::showInputError()
{
    auto &errorWindow = m_state.errorWindow;
    if (FELINMAT *open = errorWindow.form())
        open->unload();
    errorWindow.state().opener = this;
    errorWindow.show();
}

void REGBANA::REGBANA_RB_NAMNAVBRYT_Click()
{
    unload();
}

int REGBANA::currentHole() const
{
    return static_cast<int>(store::numericValue(m_controls.label(XHAL)->text()));
}

store::CourseRow &REGBANA::currentRow()
{
    return m_state.tables.bantabell[m_state.aktuell_rad];
}
