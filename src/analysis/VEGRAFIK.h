#pragma once

#include "platform/displaylist.h"
#include "platform/windowkit.h"
#include "store/tables.h"

class QEvent;

namespace analysis::vegrafik {
enum Control : int;
}

// The graphic display: for one course, the totals of its rounds in a date and handicap
// range as bars with their average (lower graph), and the last of those rounds hole by
// hole against par (upper graph), drawn when the user presses "VISA".
class VEGRAFIK : public platform::KitWindow
{
    Q_OBJECT

public:
    struct State
    {
        store::Tables tables;
    };

    explicit VEGRAFIK(State &state);

    // What the surface shows, in drawing order since the last clear.
    const platform::DisplayList &displayList() const;

private:
    void connectHandlers();

    // The loading and the presets run when the window is shown and when it comes back
    // from being minimised, never inside a repaint: a message there shows once.
    void formPaint() override { VEGRAFIK_Form_Paint(); }

    void VEGRAFIK_Form_Paint();
    void VEGRAFIK_L_Bana_Click();
    void VEGRAFIK_HScroll1_Change();
    void VEGRAFIK_HScroll2_Change();
    void VEGRAFIK_C_Visa_Click();
    void VEGRAFIK_C_Tillb_Click();

    State &m_state;
    bool m_courseListFilled = false;
};
