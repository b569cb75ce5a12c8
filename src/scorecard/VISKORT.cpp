#include "scorecard/VISKORT.h"

#include "platform/controls.h"
#include "platform/services.h"
#include "platform/storemessages.h"
#include "store/loading.h"
#include "store/numbers.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPalette>
#include <QPushButton>

using namespace Qt::StringLiterals;
using namespace viskort;

namespace {

const QColor kLightOrange(255, 224, 192);
const QColor kLightRed(255, 192, 192);

void applyLook(QWidget *widget, Look look)
{
    const QPalette system = QGuiApplication::palette();
    const QColor windowBack = system.color(QPalette::Base);
    const QColor windowText = system.color(QPalette::Text);
    switch (look) {
    case Look::Plain:
        platform::setColours(widget, windowBack, windowText);
        break;
    case Look::White:
        platform::setColours(widget, platform::kWhite, windowText);
        break;
    case Look::Red:
        platform::setColours(widget, windowBack, platform::kRed);
        break;
    case Look::Cyan:
        platform::setColours(widget, platform::kCyan, platform::kRed);
        break;
    case Look::Yellow:
        platform::setColours(widget, platform::kYellow, windowText);
        break;
    case Look::Orange:
        platform::setColours(widget, kLightOrange, windowText);
        break;
    }
}

QLabel *makeCell(QWidget *parent, QStringView name, platform::Twips rect, QStringView caption, Look look)
{
    QLabel *label = platform::makeLabel(parent, name, rect, caption);
    applyLook(label, look);
    // Captions two lines high wrap as the words allow.
    label->setWordWrap(rect.height > kLineHeight);
    return label;
}

// A list paints its entries on its viewport.
QListWidget *makeList(QWidget *parent, QStringView name, platform::Twips rect)
{
    QListWidget *list = platform::makeListBox(parent, name, rect);
    platform::setBackground(list->viewport(), kLightRed);
    return list;
}

QString decimalPoint()
{
    return QLocale().decimalPoint();
}

} // namespace

VISKORT::VISKORT(State &state) : platform::Form(u"VISKORT", u"VISAR ", kWidth, kHeight), m_state(state)
{
    platform::setBackground(this, kLightOrange);
    buildGrid();
    buildSingles();
    buildListsAndButtons();
}

void VISKORT::buildGrid()
{
    for (int c = 0; c < kColumnCount; ++c) {
        const CellColumn &column = kColumns[c];
        makeCell(this, column.head, cellRect(Column(c), kHeadTop), column.headCaption, Look::Plain);
        for (int hole = 1; hole <= store::kMaxHoles; ++hole) {
            const QString name = column.cellPrefix.toString() + QString::number(column.firstCell + hole - 1);
            const QString caption = c == kHoleNumbers ? QString::number(hole) : QString();
            m_cells[c][hole - 1] =
                makeCell(this, name, cellRect(Column(c), holeTop(hole)), caption, column.look);
        }
    }
}

void VISKORT::buildSingles()
{
    for (int s = 0; s < kSingleCount; ++s) {
        const LabelRow &row = kSingles[s];
        m_singles[s] = makeCell(this, row.name, row.rect, row.caption, row.look);
        m_singles[s]->setVisible(row.shown);
    }
}

void VISKORT::buildListsAndButtons()
{
    m_dates = makeList(this, u"L_Dat", kDatesList);
    m_dates->hide();
    // A click on the entry already chosen runs the handler again; clearing a list runs nothing.
    connect(m_dates, &QListWidget::itemClicked, this, &VISKORT::VISKORT_L_Dat_Click);

    m_courses = makeList(this, u"L_Bana", kCoursesList);
    connect(m_courses, &QListWidget::itemClicked, this, &VISKORT::VISKORT_L_Bana_Click);

    // "Skapa Datafil" has no handler.
    m_makeFile = platform::makeButton(this, u"Command1", kMakeFileButton, u"Skapa Datafil");
    m_makeFile->hide();
    auto *back = platform::makeButton(this, u"C_Tillb", kBackButton, u"Tillbaka");
    connect(back, &QPushButton::clicked, this, &VISKORT::VISKORT_C_Tillb_Click);
}

void VISKORT::formLoad()
{
    VISKORT_Form_Load();
}

void VISKORT::VISKORT_Form_Load()
{
    if (!platform::loadAndTell(m_state.tables, store::showingPlan(store::kMaxCourses)).complete)
        return;
    m_courses->addItems(store::banlista(m_state.tables.bantabell));
}

void VISKORT::VISKORT_L_Bana_Click()
{
    m_dates->clear();
    m_dates->show();
    m_singles[kRoundCountCaption]->show();
    m_state.courseRow = m_courses->currentRow();
    m_courseName = m_courses->currentItem()->text();
    emptyRoundPart();

    const scorecard::CourseCard card =
        scorecard::courseCard(m_state.tables, m_state.courseRow, m_courseName, lastRound(), decimalPoint());
    setColumn(kMetres, card.metres);
    setColumn(kPars, card.pars);
    setColumn(kStrokeIndexes, card.strokeIndexes);
    setText(kTotalMetres, card.totalMetres);
    setText(kTotalPar, card.totalPar);
    showBestWorst(card.bestWorst);
    m_dates->addItems(card.dates);
    setText(kRoundCount, QString::number(card.dates.size()));
}

void VISKORT::VISKORT_L_Dat_Click()
{
    m_makeFile->show();
    m_singles[kNote]->show();

    // The course whose dates are listed: the arrow keys can move the course list's
    // selection without a click, and its rounds must not meet another course's pars.
    const std::optional<int> row = scorecard::findRound(
        m_state.tables, m_courseName, m_dates->currentItem()->text(), m_dates->currentRow(), lastRound());
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
    for (QLabel *hole : m_cells[kExtended])
        hole->setText(scorecard::blankHoleText());
    for (Column column : {kStrokes, kReceived, kPoints})
        setColumn(column, {});
    for (Single single :
         {kFairways, kGreens,     kBunkers,      kPitches,     kChips,         kPutts,        kPlayType,
          kHcpFore,  kHcpEfter,   kSlopeHcp,     kNote,        kTotalReceived, kTotalStrokes, kTotalPoints,
          kMostBack, kFewestBack, kStrokesFront, kStrokesBack, kPointsFront,   kPointsBack})
        setText(single, {});
}

void VISKORT::showBestWorst(const scorecard::BestWorst &bestWorst)
{
    setColumn(kFewest, bestWorst.fewest);
    setColumn(kMost, bestWorst.most);
    setText(kFewestFront, bestWorst.fewestFront);
    setText(kFewestBack, bestWorst.fewestBack);
    setText(kFewestTotal, bestWorst.fewestTotal);
    setText(kMostFront, bestWorst.mostFront);
    setText(kMostBack, bestWorst.mostBack);
    setText(kMostTotal, bestWorst.mostTotal);
}

void VISKORT::showRound(const scorecard::RoundCard &card)
{
    showBestWorst(card.bestWorst);
    setColumn(kReceived, card.received);
    setText(kNote, card.note);
    setText(kHcpFore, card.hcpFore);
    setText(kHcpEfter, card.hcpEfter);
    setText(kSlopeHcp, card.slopeHcp);
    setText(kPlayType, card.playType);
    setColumn(kStrokes, card.strokes);
    setColumn(kPoints, card.points);
    setText(kTotalReceived, card.totalReceived);
    setText(kTotalStrokes, card.totalStrokes);
    setText(kTotalPoints, card.totalPoints);
    setText(kStrokesFront, card.frontStrokes);
    setText(kStrokesBack, card.backStrokes);
    setText(kPointsFront, card.frontPoints);
    setText(kPointsBack, card.backPoints);
    showExtended(card.extended);
}

void VISKORT::showExtended(const scorecard::ExtendedCard &extended)
{
    for (int t = 0; t < int(extended.totals.size()); ++t)
        setText(Single(kFairways + t), extended.totals[t]);
    for (int hole = 0; hole < extended.holesWritten; ++hole)
        m_cells[kExtended][hole]->setText(extended.holes[hole]);
}

// A round without strokes or points on the second nine shows no second-nine totals.
void VISKORT::emptySecondNineTotals()
{
    if (store::numericValue(text(kStrokesBack)) == 0) {
        for (Single single : {kStrokesBack, kMostBack, kFewestBack})
            setText(single, {});
    }
    if (store::numericValue(text(kPointsBack)) == 0)
        setText(kPointsBack, {});
}

void VISKORT::setColumn(Column column, const scorecard::HoleTexts &texts)
{
    for (int hole = 0; hole < store::kMaxHoles; ++hole)
        m_cells[column][hole]->setText(texts[hole]);
}

void VISKORT::setText(Single single, const QString &text)
{
    m_singles[single]->setText(text);
}

QString VISKORT::text(Single single) const
{
    return m_singles[single]->text();
}

int VISKORT::lastRound() const
{
    return store::recordCount(m_state.tables.sistaRounds) - 1;
}
