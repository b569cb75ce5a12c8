#include "analysis/VE_ANALY.h"

#include "analysis/VE_ANALY_controls.h"
#include "analysis/analysis.h"
#include "platform/listbox.h"
#include "platform/services.h"
#include "platform/storemessages.h"
#include "platform/wordspacing.h"
#include "store/loading.h"

#include <QLabel>
#include <QPushButton>

#include <vector>

using namespace Qt::StringLiterals;
using namespace analysis::ve_analy;

namespace {

// Label45's hole numbers are set apart by blanks to stand over the cells of the result
// rows, in the font the window was designed with. In the window's own font its word
// spacing is set to bring the numbers over their cells' centres.
void spaceOverCells(QLabel *header, const std::array<int, store::kMaxHoles> &cellLefts, int cellWidth)
{
    platform::SpacedText numbers{header->text(), {}};
    for (int left : cellLefts)
        numbers.centres.push_back(platform::pixels(left + cellWidth / 2) - header->x());
    header->setFont(platform::spacedOverCentres(header->font(), {numbers}));
}

} // namespace

VE_ANALY::VE_ANALY(State &state)
    : platform::KitWindow(
          {u"VE_ANALY", u"SCORE ANALYS", kWidth, kHeight, platform::kPurpleWindow, kControls, kControlCount}),
      m_state(state)
{
    buildCellRuns();
    spaceOverCells(m_controls.label(Label45), kHoleLefts, kCellWidth);
    connectHandlers();
}

void VE_ANALY::buildCellRuns()
{
    for (const platform::CellRun &run : kCellRuns)
        m_controls.make(run);
    m_controls.setShown(kCellIds, false);
}

void VE_ANALY::connectHandlers()
{
    // The date lists have no handler: "ANALYS" reads their selections.
    m_controls.list(ve_ban)->setClickHandler([this] { VE_ANALY_ve_ban_Click(); });
    connect(m_controls.button(Command1), &QPushButton::clicked, this, &VE_ANALY::VE_ANALY_Command1_Click);
    connect(m_controls.button(Command2), &QPushButton::clicked, this, &VE_ANALY::VE_ANALY_Command2_Click);
}

void VE_ANALY::VE_ANALY_Form_Load()
{
    if (!platform::loadAndTell(m_state.tables, kLoadPlan).complete)
        return;
    m_controls.list(ve_ban)->addItems(store::banlista(m_state.tables.bantabell));
}

void VE_ANALY::VE_ANALY_ve_ban_Click()
{
    for (int id : kResultLabels)
        m_controls.label(id)->clear();
    for (int id : kCellIds)
        m_controls.label(id)->clear();
    m_controls.setShown(kShownByCourse, true);
    m_controls.setShown(kCellIds, true);

    const QStringList dates = analysis::courseDates(m_state.tables, m_controls.list(ve_ban)->currentText());
    for (Control list : {l_dat1, l_dat2}) {
        m_controls.list(list)->clear();
        m_controls.list(list)->addItems(dates);
    }
}

void VE_ANALY::VE_ANALY_Command1_Click()
{
    const analysis::DateChoice choice{
        m_controls.list(ve_ban)->currentText(), m_controls.list(l_dat1)->selectedText(),
        m_controls.list(l_dat2)->selectedText(), m_controls.list(l_dat2)->selectedRow()};
    const analysis::Analysis result = analysis::analyse(m_state.tables, choice);
    showAnalysis(result);
    switch (result.outcome) {
    case analysis::Analysis::Outcome::Analysed:
        break;
    case analysis::Analysis::Outcome::ReversedDates:
        platform::message(u"Datum from är 'yngre' än tom datum!"_s, u"Felmeddelande"_s,
                          platform::kStyleExclamation);
        break;
    case analysis::Analysis::Outcome::NoRound:
        platform::message(u"Ingen runda registrerad på vald bana"_s, u"INFORMATION"_s,
                          platform::kStyleOkOnly);
        break;
    }
}

// Writes what the analysis gives; the class rows and result rows it does not give keep
// what they showed.
void VE_ANALY::showAnalysis(const analysis::Analysis &result)
{
    for (int c = 0; c < analysis::kScoreClasses; ++c)
        m_controls.label(kFirstClassTotal + c)->setText(result.classTotals[c]);
    for (int s = 0; s < analysis::kSummaryLabels; ++s)
        m_controls.label(kSummaryControls[s])->setText(result.summary[s]);
    m_controls.label(hcp_ord)->setText(result.hardestHoles);
    if (result.classRows)
        for (int c = 0; c < analysis::kScoreClasses; ++c)
            m_controls.label(kClassRows[c])->setText((*result.classRows)[c]);
    for (int h = 0; h < result.rows.holes; ++h) {
        m_controls.label(kFirstOverPar + h)->setText(result.rows.overPar[h]);
        m_controls.label(kFirstPerRound + h)->setText(result.rows.perRound[h]);
    }
}

void VE_ANALY::VE_ANALY_Command2_Click()
{
    unload();
}
