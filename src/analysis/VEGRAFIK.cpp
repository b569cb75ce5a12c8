#include "analysis/VEGRAFIK.h"

#include "analysis/VEGRAFIK_controls.h"
#include "analysis/graphic.h"
#include "platform/listbox.h"
#include "platform/storemessages.h"
#include "platform/surface.h"
#include "store/numbers.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

using namespace Qt::StringLiterals;
using namespace analysis::vegrafik;

VEGRAFIK::VEGRAFIK(State &state)
    : platform::KitWindow({u"VEGRAFIK", u"GRAFISK VISNING", kWidth, kHeight, kWindow, kControls}),
      m_state(state)
{
    connectHandlers();
}

const platform::DisplayList &VEGRAFIK::displayList() const
{
    return m_controls.surface(Surface)->displayList();
}

void VEGRAFIK::connectHandlers()
{
    m_controls.list(L_Bana)->setClickHandler([this] { VEGRAFIK_L_Bana_Click(); });
    connect(m_controls.bar(HScroll1), &QScrollBar::valueChanged, this, &VEGRAFIK::VEGRAFIK_HScroll1_Change);
    connect(m_controls.bar(HScroll2), &QScrollBar::valueChanged, this, &VEGRAFIK::VEGRAFIK_HScroll2_Change);
    connect(m_controls.button(C_Visa), &QPushButton::clicked, this, &VEGRAFIK::VEGRAFIK_C_Visa_Click);
    connect(m_controls.button(C_Tillb), &QPushButton::clicked, this, &VEGRAFIK::VEGRAFIK_C_Tillb_Click);
}

void VEGRAFIK::VEGRAFIK_Form_Paint()
{
    platform::loadAndTell(m_state.tables, kLoadPlan);
    store::Tables &tables = m_state.tables;

    if (!m_courseListFilled) {
        m_controls.list(L_Bana)->addItems(store::banlista(tables.bantabell));
        m_courseListFilled = true;
    }
    // With no round there is no latest handicap to preset from.
    const int rounds = store::heldRounds(tables);
    if (rounds == 0)
        return;
    QScrollBar *from = m_controls.bar(HScroll1);
    const int preset = analysis::handicapFromPreset(tables.rundtabell[rounds - 1][store::kHcpEfter],
                                                    from->minimum(), from->maximum());
    m_controls.label(Hcpfrom)->setText(store::numberText(preset));
    from->setValue(preset);
    m_controls.label(Hcptom)->setText(u"54"_s);
    m_controls.bar(HScroll2)->setValue(54);
    // A graph drawn for another handicap range would no longer match the bars beside it.
    m_controls.surface(Surface)->edit().clear();
}

void VEGRAFIK::VEGRAFIK_L_Bana_Click()
{
    m_controls.surface(Surface)->edit().clear();
    m_controls.setShown({Label6, V_Dat, Label5, Label7}, false);
    for (const Control caption : {V_Dat, Label5, Label7})
        m_controls.label(caption)->clear();
    m_controls.setShown({Label1, Label2, Label3, Label4, Label8, L_Datfrom, L_Dattom, HScroll1, HScroll2,
                         Hcptom, Hcpfrom, C_Visa},
                        true);
    const QStringList dates = analysis::courseDates(m_state.tables, m_controls.list(L_Bana)->currentText());
    for (const Control list : {L_Datfrom, L_Dattom}) {
        m_controls.list(list)->clear();
        m_controls.list(list)->addItems(dates);
    }
}

void VEGRAFIK::VEGRAFIK_HScroll1_Change()
{
    m_controls.label(Hcpfrom)->setText(store::numberText(m_controls.bar(HScroll1)->value()));
}

void VEGRAFIK::VEGRAFIK_HScroll2_Change()
{
    m_controls.label(Hcptom)->setText(store::numberText(m_controls.bar(HScroll2)->value()));
}

void VEGRAFIK::VEGRAFIK_C_Visa_Click()
{
    VEGRAFIK_HScroll1_Change();
    VEGRAFIK_HScroll2_Change();
    const analysis::GraphicChoice choice{
        analysis::DateChoice{
            .course = m_controls.list(L_Bana)->currentText(),
            .fromDate = m_controls.list(L_Datfrom)->selectedText(),
            .toDate = m_controls.list(L_Dattom)->selectedText(),
            .toPosition = m_controls.list(L_Dattom)->selectedRow(),
        },
        store::numericValue(m_controls.label(Hcpfrom)->text()),
        store::numericValue(m_controls.label(Hcptom)->text()),
    };
    m_controls.setShown({Label8, V_Dat, Label5, Label7}, false);
    platform::DisplayList &list = m_controls.surface(Surface)->edit();
    list.clear();
    m_controls.setShown({Label6}, true);

    // A course no longer in the tables draws nothing.
    const std::optional<analysis::GraphCourse> course =
        analysis::findGraphCourse(m_state.tables, choice.course);
    if (!course)
        return;
    const analysis::TotalsGraph totals = analysis::drawTotalsGraph(m_state.tables, *course, choice, list);
    if (totals.average) {
        m_controls.label(Label8)->setText(*totals.average);
        m_controls.setShown({Label8}, true);
    }

    m_controls.label(Label7)->setText(u" "_s);
    m_controls.label(Label5)->setText(
        analysis::drawHoleGraph(m_state.tables, *course, totals.lastRound, list));
    if (!totals.lastRound)
        return;
    m_controls.label(Label7)->setText(u"slag"_s);
    // The selected to-date, also when the round shown is an earlier one.
    m_controls.label(V_Dat)->setText(choice.toDate);
    m_controls.setShown({Label5, Label7, V_Dat}, true);
}

void VEGRAFIK::VEGRAFIK_C_Tillb_Click()
{
    unload();
}
