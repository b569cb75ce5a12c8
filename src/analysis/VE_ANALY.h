#pragma once

#include "platform/windowkit.h"
#include "store/tables.h"

namespace analysis {
struct Analysis;
}

// The score analysis: for one course and a range of its round dates, how often each hole
// fell in each score class, the strokes over par, the hardest holes and the counts of the
// extended registration. It only reads the data files.
class VE_ANALY : public platform::KitWindow
{
    Q_OBJECT

public:
    struct State
    {
        store::Tables tables;
    };

    explicit VE_ANALY(State &state);

private:
    void buildCellRuns();
    void connectHandlers();

    void formLoad() override { VE_ANALY_Form_Load(); }

    void VE_ANALY_Form_Load();
    void VE_ANALY_ve_ban_Click();
    void VE_ANALY_Command1_Click();
    void VE_ANALY_Command2_Click();

    void showAnalysis(const analysis::Analysis &result);

    State &m_state;
};
