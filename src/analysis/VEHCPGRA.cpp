#include "analysis/VEHCPGRA.h"

#include "analysis/VEHCPGRA_controls.h"
#include "analysis/handicapgraph.h"
#include "platform/storemessages.h"
#include "platform/surface.h"
#include "store/loading.h"
#include "store/numbers.h"

#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalBlocker>

using namespace analysis::vehcpgra;

VEHCPGRA::VEHCPGRA(State &state)
    : platform::KitWindow({u"VEHCPGRA", u"HANDIKAPP ÄNDRINGAR", kWidth, kHeight, kWindow, kControls}),
      m_state(state)
{
    // The graph reaches beyond the designed width (its grid lines run to x 12000), so the
    // window may be enlarged; the surface follows it (resizeEvent).
    setMinimumSize(size());
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    connectHandlers();
}

const platform::DisplayList &VEHCPGRA::displayList() const
{
    return m_controls.surface(Surface)->displayList();
}

void VEHCPGRA::connectHandlers()
{
    connect(m_controls.bar(HScroll1), &QScrollBar::valueChanged, this, &VEHCPGRA::VEHCPGRA_HScroll1_Change);
    connect(m_controls.bar(HScroll2), &QScrollBar::valueChanged, this, &VEHCPGRA::VEHCPGRA_HScroll2_Change);
    connect(m_controls.bar(HScroll3), &QScrollBar::valueChanged, this, &VEHCPGRA::VEHCPGRA_HScroll3_Change);
    connect(m_controls.bar(HScroll4), &QScrollBar::valueChanged, this, &VEHCPGRA::VEHCPGRA_HScroll4_Change);
    connect(m_controls.button(Command1), &QPushButton::clicked, this, &VEHCPGRA::VEHCPGRA_Command1_Click);
    connect(m_controls.button(Command2), &QPushButton::clicked, this, &VEHCPGRA::VEHCPGRA_Command2_Click);
}

void VEHCPGRA::resizeEvent(QResizeEvent *event)
{
    platform::KitWindow::resizeEvent(event);
    m_controls.surface(Surface)->resize(event->size());
}

void VEHCPGRA::VEHCPGRA_Form_Paint()
{
    platform::loadAndTell(m_state.tables, kLoadPlan);
    const std::optional<analysis::HandicapRanges> presets = analysis::handicapPresets(m_state.tables);
    if (!presets)
        return;
    // The ordering rules are held off, so that the bars show the presets exactly whatever
    // they held before.
    {
        const QSignalBlocker lower(m_controls.bar(HScroll1));
        const QSignalBlocker upper(m_controls.bar(HScroll2));
        const QSignalBlocker first(m_controls.bar(HScroll3));
        const QSignalBlocker last(m_controls.bar(HScroll4));
        m_controls.bar(HScroll2)->setValue(presets->upper);
        m_controls.bar(HScroll1)->setValue(presets->lower);
        m_controls.bar(HScroll3)->setValue(presets->firstYear);
        m_controls.bar(HScroll4)->setValue(presets->lastYear);
    }
    m_controls.label(Hcpt)->setText(store::numberText(presets->upper));
    m_controls.label(Hcpf)->setText(store::numberText(presets->lower));
    m_controls.label(arfran)->setText(store::numberText(presets->firstYear));
    m_controls.label(artom)->setText(store::numberText(presets->lastYear));
    // A graph drawn for other ranges would no longer match the bars beside it.
    m_controls.surface(Surface)->edit().clear();
}

void VEHCPGRA::VEHCPGRA_HScroll1_Change()
{
    settle(HScroll1,
           analysis::lowerAfterMove(m_controls.bar(HScroll1)->value(), m_controls.bar(HScroll2)->value()),
           Hcpf);
}

void VEHCPGRA::VEHCPGRA_HScroll2_Change()
{
    settle(HScroll2,
           analysis::upperAfterMove(m_controls.bar(HScroll2)->value(), m_controls.bar(HScroll1)->value()),
           Hcpt);
}

void VEHCPGRA::VEHCPGRA_HScroll3_Change()
{
    settle(HScroll3,
           analysis::firstYearAfterMove(m_controls.bar(HScroll3)->value(), m_controls.bar(HScroll4)->value()),
           arfran);
}

void VEHCPGRA::VEHCPGRA_HScroll4_Change()
{
    settle(HScroll4,
           analysis::lastYearAfterMove(m_controls.bar(HScroll4)->value(), m_controls.bar(HScroll3)->value()),
           artom);
}

void VEHCPGRA::settle(Control bar, int settledValue, Control label)
{
    QScrollBar *moved = m_controls.bar(bar);
    // Setting the value runs the rule again, which then holds.
    if (moved->value() != settledValue)
        moved->setValue(settledValue);
    m_controls.label(label)->setText(store::numberText(moved->value()));
}

void VEHCPGRA::VEHCPGRA_Command1_Click()
{
    analysis::drawHandicapGraph(m_state.tables,
                                {m_controls.label(Hcpt)->text(), m_controls.label(Hcpf)->text(),
                                 m_controls.label(arfran)->text(), m_controls.label(artom)->text()},
                                m_controls.surface(Surface)->edit());
}

void VEHCPGRA::VEHCPGRA_Command2_Click()
{
    unload();
}
