#include "scorecard/VISKORT.h"

#include "platform/columnlabel.h"
#include "platform/listbox.h"
#include "platform/services.h"
#include "platform/storemessages.h"
#include "platform/wordspacing.h"
#include "scorecard/VISKORT_controls.h"
#include "scorecard/extended.h"
#include "store/loading.h"
#include "store/numbers.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include <vector>

using namespace Qt::StringLiterals;
using namespace scorecard::viskort;

namespace {

QString decimalPoint()
{
    return QLocale().decimalPoint();
}

} // namespace

VISKORT::VISKORT(State &state)
    : platform::KitWindow(
          {u"VISKORT", u"VISAR ", kWidth, kHeight, {.back = kLightOrange}, {}, kControlCount}),
      m_state(state)
{
    // The grid first: the rest lies over it.
    buildGrid();
    m_controls.make(kControls);
    placeExtendedColumns();
    connectHandlers();
}

// The extended head's words are set apart by blanks to stand over the totals in the font
// the window was designed with; in the window's own font the blanks are narrower, so the
// head gets the word spacing that brings its words over the totals. A hole's entries are
// set apart by blanks that differ from entry to entry, so no spacing brings them all
// under the head: each is drawn centred under its own word of the head instead.
void VISKORT::placeExtendedColumns()
{
    QLabel *head = m_controls.label(headId(kExtended));
    std::vector<double> totalCentres;
    for (Control total : {F9, G9, B9, P9, C9, PU9}) {
        const QLabel *label = m_controls.label(total);
        totalCentres.push_back(label->x() + label->width() / 2.0 - head->x());
    }
    head->setFont(platform::spacedOverCentres(head->font(), {{head->text(), totalCentres}}));
    // The head and the cells under it share their left edge (cellRect).
    m_entryCentres = platform::itemCentres(head->text(), head->font());
}

void VISKORT::buildGrid()
{
    for (int c = 0; c < kColumnCount; ++c) {
        const CellColumn &column = kColumns[c];
        Look head = kPlain;
        head.alignment = column.look.alignment;
        m_controls.make(ControlRow{headId(Column(c)), Label, column.head, cellRect(Column(c), kHeadTop),
                                   column.headCaption, head});
        m_controls.make(platform::CellRun{cellId(Column(c), 0), column.cellPrefix, column.firstCell,
                                          cellRect(Column(c), 0), Qt::Vertical, kHoleTops, column.look,
                                          column.cells});
    }
    for (int hole = 0; hole < store::kMaxHoles; ++hole)
        m_controls.label(cellId(kHoleNumbers, hole))->setText(QString::number(hole + 1));
}

void VISKORT::connectHandlers()
{
    // "Skapa Datafil" has no handler.
    m_controls.list(L_Dat)->setClickHandler([this] { VISKORT_L_Dat_Click(); });
    m_controls.list(L_Bana)->setClickHandler([this] { VISKORT_L_Bana_Click(); });
    connect(m_controls.button(C_Tillb), &QPushButton::clicked, this, &VISKORT::VISKORT_C_Tillb_Click);
}

void VISKORT::VISKORT_Form_Load()
{
    if (!platform::loadAndTell(m_state.tables, kLoadPlan).complete)
        return;
    m_controls.list(L_Bana)->addItems(store::banlista(m_state.tables.bantabell));
}

void VISKORT::VISKORT_L_Bana_Click()
{
    m_controls.list(L_Dat)->clear();
    m_controls.list(L_Dat)->show();
    m_controls.label(Label134)->show();
    m_state.courseRow = m_controls.list(L_Bana)->currentRow();
    m_courseName = m_controls.list(L_Bana)->currentText();
    emptyRoundPart();

    const scorecard::CourseCard card =
        scorecard::courseCard(m_state.tables, m_state.courseRow, m_courseName, lastRound(), decimalPoint());
    setColumn(kMetres, card.metres);
    setColumn(kPars, card.pars);
    setColumn(kStrokeIndexes, card.strokeIndexes);
    setText(L_TotMet, card.totalMetres);
    setText(L_TotPar, card.totalPar);
    showBestWorst(card.bestWorst);
    m_controls.list(L_Dat)->addItems(card.dates);
    setText(L_Tot, QString::number(card.dates.size()));
}

void VISKORT::VISKORT_L_Dat_Click()
{
    m_controls.button(Command1)->show();
    m_controls.label(L_Inf1)->show();

    // The course whose dates are listed, so that its rounds never meet another course's pars.
    const std::optional<int> row =
        scorecard::findRound(m_state.tables, m_courseName, m_controls.list(L_Dat)->currentText(),
                             m_controls.list(L_Dat)->currentRow(), lastRound());
    if (row) {
        showRound(scorecard::roundCard(m_state.tables, m_state.courseRow, m_courseName, *row, lastRound(),
                                       decimalPoint()));
    } else {
        platform::errorMessage(u"ETT FEL HAR UPPTÄCKTS I DIN DATUMFIL. SÖK OCH ÄNDRA!"_s);
    }
    emptySecondNineTotals();
}

void VISKORT::VISKORT_C_Tillb_Click()
{
    unload();
}

// Everything that belongs to a round; visibility stays as it is.
void VISKORT::emptyRoundPart()
{
    for (int hole = 0; hole < store::kMaxHoles; ++hole)
        m_controls.label(cellId(kExtended, hole))->setText(scorecard::blankHoleText());
    for (Column column : {kStrokes, kReceived, kPoints})
        setColumn(column, {});
    for (Control single :
         {F9,     G9,       B9,       P9,      C9,      PU9,     L_t1,    L_Hcp,    L_Hcpe,  L_Hcps,
          L_Inf1, L_TotErh, L_TotSla, L_TotPo, lvisoin, lvismin, L_Tot9s, L_Tot18s, L_Tot9p, L_Tot18p})
        setText(single, {});
}

void VISKORT::showBestWorst(const scorecard::BestWorst &bestWorst)
{
    setColumn(kFewest, bestWorst.fewest);
    setColumn(kMost, bestWorst.most);
    setText(lvismin9, bestWorst.fewestFront);
    setText(lvismin, bestWorst.fewestBack);
    setText(lvismtot, bestWorst.fewestTotal);
    setText(lvisoin9, bestWorst.mostFront);
    setText(lvisoin, bestWorst.mostBack);
    setText(lvisotot, bestWorst.mostTotal);
}

void VISKORT::showRound(const scorecard::RoundCard &card)
{
    showBestWorst(card.bestWorst);
    setColumn(kReceived, card.received);
    setText(L_Inf1, card.note);
    setText(L_Hcp, card.hcpFore);
    setText(L_Hcpe, card.hcpEfter);
    setText(L_Hcps, card.slopeHcp);
    setText(L_t1, card.playType);
    setColumn(kStrokes, card.strokes);
    setColumn(kPoints, card.points);
    setText(L_TotErh, card.totalReceived);
    setText(L_TotSla, card.totalStrokes);
    setText(L_TotPo, card.totalPoints);
    setText(L_Tot9s, card.frontStrokes);
    setText(L_Tot18s, card.backStrokes);
    setText(L_Tot9p, card.frontPoints);
    setText(L_Tot18p, card.backPoints);
    showExtended(card.extended);
}

void VISKORT::showExtended(const scorecard::ExtendedCard &extended)
{
    for (int t = 0; t < int(extended.totals.size()); ++t)
        setText(Control(F9 + t), extended.totals[t]);
    for (int hole = 0; hole < extended.holesWritten; ++hole) {
        std::vector<platform::TextColumn> columns;
        for (size_t entry = 0; entry < extended.entries[hole].size(); ++entry) {
            const scorecard::EntrySpan &span = extended.entries[hole][entry];
            columns.push_back({span.start, span.length, m_entryCentres[entry]});
        }
        m_controls.columnLabel(cellId(kExtended, hole))->setColumnText(extended.holes[hole], columns);
    }
}

// A round without strokes or points on the second nine shows no second-nine totals.
void VISKORT::emptySecondNineTotals()
{
    if (store::numericValue(text(L_Tot18s)) == 0) {
        for (Control single : {L_Tot18s, lvisoin, lvismin})
            setText(single, {});
    }
    if (store::numericValue(text(L_Tot18p)) == 0)
        setText(L_Tot18p, {});
}

void VISKORT::setColumn(Column column, const scorecard::HoleTexts &texts)
{
    for (int hole = 0; hole < store::kMaxHoles; ++hole)
        m_controls.label(cellId(column, hole))->setText(texts[hole]);
}

void VISKORT::setText(Control single, const QString &text)
{
    m_controls.label(single)->setText(text);
}

QString VISKORT::text(Control single) const
{
    return m_controls.label(single)->text();
}

int VISKORT::lastRound() const
{
    return store::heldRounds(m_state.tables) - 1;
}
