#pragma once

#include "platform/form.h"
#include "scorecard/VISKORTLayout.h"
#include "scorecard/scorecard.h"
#include "store/tables.h"

#include <array>

class QLabel;
class QListWidget;
class QPushButton;

// Shows one registered round as a scorecard: the user picks a course, then one of its
// round dates. The window only reads the data files.
class VISKORT : public platform::Form
{
    Q_OBJECT

public:
    struct State
    {
        store::Tables tables;
        int courseRow = 0; // the chosen course's row in bantabell
    };

    explicit VISKORT(State &state);

protected:
    void formLoad() override;

private:
    void buildGrid();
    void buildSingles();
    void buildListsAndButtons();

    void VISKORT_Form_Load();
    void VISKORT_L_Bana_Click();
    void VISKORT_L_Dat_Click();
    void VISKORT_C_Tillb_Click();

    void emptyRoundPart();
    void showBestWorst(const scorecard::BestWorst &bestWorst);
    void showRound(const scorecard::RoundCard &card);
    void showExtended(const scorecard::ExtendedCard &extended);
    void emptySecondNineTotals();

    void setColumn(viskort::Column column, const scorecard::HoleTexts &texts);
    void setText(viskort::Single single, const QString &text);
    QString text(viskort::Single single) const;
    int lastRound() const;

    State &m_state;
    std::array<std::array<QLabel *, store::kMaxHoles>, viskort::kColumnCount> m_cells{};
    std::array<QLabel *, viskort::kSingleCount> m_singles{};
    QListWidget *m_courses = nullptr;
    QListWidget *m_dates = nullptr;
    QString m_courseName; // the name of the course last clicked
    QPushButton *m_makeFile = nullptr;
};
