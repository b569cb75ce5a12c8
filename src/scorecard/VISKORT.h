#pragma once

#include "platform/windowkit.h"
#include "scorecard/scorecard.h"
#include "store/tables.h"

#include <vector>

namespace scorecard::viskort {
enum Column : int;
enum Control : int;
} // namespace scorecard::viskort

// Shows one registered round as a scorecard: the user picks a course, then one of its
// round dates. The window only reads the data files.
class VISKORT : public platform::KitWindow
{
    Q_OBJECT

public:
    struct State
    {
        store::Tables tables;
        int courseRow = 0; // the chosen course's row in bantabell
    };

    explicit VISKORT(State &state);

private:
    void buildGrid();
    void placeExtendedColumns();
    void connectHandlers();

    void formLoad() override { VISKORT_Form_Load(); }

    void VISKORT_Form_Load();
    void VISKORT_L_Bana_Click();
    void VISKORT_L_Dat_Click();
    void VISKORT_C_Tillb_Click();

    void emptyRoundPart();
    void showBestWorst(const scorecard::BestWorst &bestWorst);
    void showRound(const scorecard::RoundCard &card);
    void showExtended(const scorecard::ExtendedCard &extended);
    void emptySecondNineTotals();

    void setColumn(scorecard::viskort::Column column, const scorecard::HoleTexts &texts);
    void setText(scorecard::viskort::Control single, const QString &text);
    QString text(scorecard::viskort::Control single) const;
    int lastRound() const;

    State &m_state;
    // Where each extended entry of a hole stands centred, from the left of its cell:
    // under its word of the column head.
    std::vector<double> m_entryCentres;
    QString m_courseName; // the name of the course last clicked
};
