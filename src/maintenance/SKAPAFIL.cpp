#include "maintenance/SKAPAFIL.h"

#include "maintenance/SKAPAFIL_controls.h"
#include "maintenance/report.h"
#include "maintenance/reportfile.h"
#include "platform/listbox.h"
#include "platform/services.h"
#include "platform/storemessages.h"
#include "store/loading.h"
#include "store/numbers.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace maintenance::skapafil;

SKAPAFIL::SKAPAFIL(State &state)
    : platform::KitWindow({.name = u"SKAPAFIL",
                           .caption = u"Skriver intressant data till en fil",
                           .width = 7320,
                           .height = 6255,
                           .controls = kControls,
                           .tabOrder = platform::TabOrder::Table}),
      m_state(state)
{
    connectHandlers();
}

void SKAPAFIL::connectHandlers()
{
    m_controls.list(L_Bana)->setClickHandler([this] { SKAPAFIL_L_Bana_Click(); });
    connect(m_controls.button(Command1), &QPushButton::clicked, this, &SKAPAFIL::SKAPAFIL_Command1_Click);
    connect(m_controls.bar(HScroll1), &QScrollBar::valueChanged, this, &SKAPAFIL::SKAPAFIL_HScroll1_Change);
    connect(m_controls.bar(HScroll2), &QScrollBar::valueChanged, this, &SKAPAFIL::SKAPAFIL_HScroll2_Change);
}

void SKAPAFIL::SKAPAFIL_Form_Load()
{
    // The bars come back at 0: counters of an earlier opening would keep years the bars no
    // longer show.
    m_state.counters = {};
    if (platform::loadAndTell(m_state.tables, kLoadPlan).complete)
        m_controls.list(L_Bana)->addItems(store::banlista(m_state.tables.bantabell));
}

void SKAPAFIL::SKAPAFIL_Command1_Click()
{
    unload();
}

void SKAPAFIL::SKAPAFIL_HScroll1_Change()
{
    m_controls.label(arfrom)->setText(store::numberText(m_controls.bar(HScroll1)->value()));
}

void SKAPAFIL::SKAPAFIL_HScroll2_Change()
{
    m_controls.label(artom)->setText(store::numberText(m_controls.bar(HScroll2)->value()));
}

void SKAPAFIL::SKAPAFIL_L_Bana_Click()
{
    m_controls.setShown(kYearControls, true);
    const int courseRow = m_controls.list(L_Bana)->currentRow();
    const QString course = m_controls.list(L_Bana)->currentText();

    QScrollBar *from = m_controls.bar(HScroll1);
    QScrollBar *to = m_controls.bar(HScroll2);
    if (maintenance::yearResetDue(m_state.counters, from->value(), to->value(), courseRow))
        resetYears(course);
    if (from->value() > to->value()) {
        platform::message(u"Fel angivet årtal!"_s, {}, platform::kStyleOkOnly);
        return;
    }
    m_state.counters.reportSetUp(courseRow);
    writeReport(course, courseRow);
}

// arsaterstallning: both bars span the course's years, from at the first, to at the last.
void SKAPAFIL::resetYears(const QString &course)
{
    const maintenance::YearSpan span = maintenance::yearReset(m_state.counters, m_state.tables, course);
    // A bar cannot hold a maximum below its minimum.
    const int last = std::max(span.last, span.first);
    QScrollBar *from = m_controls.bar(HScroll1);
    QScrollBar *to = m_controls.bar(HScroll2);
    from->setMinimum(span.first);
    from->setMaximum(last);
    to->setMinimum(span.first);
    to->setMaximum(last);
    from->setValue(span.first);
    m_controls.label(arfrom)->setText(store::numberTextWithBlank(from->value()));
    to->setValue(span.last);
    m_controls.label(artom)->setText(store::numberTextWithBlank(to->value()));
}

void SKAPAFIL::writeReport(const QString &course, int courseRow)
{
    const QString fromCaption = m_controls.label(arfrom)->text();
    const QString toCaption = m_controls.label(artom)->text();
    const maintenance::Report made = maintenance::makeReport(
        m_state.tables, {course, courseRow, store::numericValue(fromCaption), store::numericValue(toCaption)},
        m_state.hal_par);
    m_state.hal_par = made.tally.pars;
    if (made.roundCount() == 0) {
        platform::message(u"Det finns inga rundor för banan under de valda åren. Ingen fil har skrivits."_s,
                          {}, platform::kStyleOkOnly);
        return;
    }
    const QString name = maintenance::reportFileName(course, fromCaption, toCaption);
    const QByteArray bytes =
        maintenance::reportFileBytes(made, course, fromCaption, toCaption, platform::today());
    if (platform::saveChange({.files = {{name, bytes, store::FileKind::Plain}}}))
        platform::message(maintenance::reportWrittenMessage(name), {}, platform::kStyleOkOnly);
}
