#pragma once

#include "platform/displaylist.h"
#include "platform/windowkit.h"
#include "store/tables.h"

namespace analysis::vehcpgra {
enum Control : int;
}

// The handicap-changes window: the user narrows the rounds to a handicap range and a range
// of years, and "VISA" draws a box for each round at which the handicap changed. It only
// reads the data files, when it is shown and when it is restored from being minimised.
class VEHCPGRA : public platform::KitWindow
{
    Q_OBJECT

public:
    struct State
    {
        store::Tables tables;
    };

    explicit VEHCPGRA(State &state);

    // What the surface shows: the graph of the last "VISA".
    const platform::DisplayList &displayList() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void connectHandlers();

    void formPaint() override { VEHCPGRA_Form_Paint(); }

    void VEHCPGRA_Form_Paint();
    void VEHCPGRA_HScroll1_Change();
    void VEHCPGRA_HScroll2_Change();
    void VEHCPGRA_HScroll3_Change();
    void VEHCPGRA_HScroll4_Change();
    void VEHCPGRA_Command1_Click();
    void VEHCPGRA_Command2_Click();

    // Moves the bar to the value its ordering rule settles at and shows it in its label.
    void settle(analysis::vehcpgra::Control bar, int settledValue, analysis::vehcpgra::Control label);

    State &m_state;
};
