#pragma once

#include "platform/windowkit.h"
#include "registration/FEL9_18.h"
#include "registration/VE_ABEND.h"
#include "registration/roundentry.h"
#include "store/loading.h"
#include "store/tables.h"

#include <array>
#include <optional>

namespace registration::regrunda {
enum Control : int;
}

// REGRUNDA, "REGISTRERA EN GOLFRUNDA": the round register. Every value of a round is
// entered on a bar, hole by hole for the strokes and the extended registration; "SPARA"
// stores the round into the three round files, sorted by date, and the register closes.
class REGRUNDA : public platform::KitWindow
{
    Q_OBJECT

public:
    // What outlives a closing: the tables, the round under entry and the error windows.
    struct State : registration::HoleValues
    {
        store::Tables tables;
        int sista_hal = -1;    // last-hole index of the chosen course
        // The first file the register could not read whole at its load: it then saves nothing.
        std::optional<store::FileStatus> unread;
        platform::Instance<FEL9_18> fel9_18;
        platform::Instance<VE_ABEND> ve_abend;
    };

    explicit REGRUNDA(State &state);

private:
    using Slots = std::array<std::optional<int>, store::kMaxHoles>;

    void connectHandlers();

    void formLoad() override { REGRUNDA_Form_Load(); }

    void REGRUNDA_Form_Load();
    void REGRUNDA_VScroll1_Change();
    void REGRUNDA_HScroll1_Change();
    void REGRUNDA_HScroll2_Change();
    void REGRUNDA_HScroll3_Change();
    void REGRUNDA_HScroll4_Change();
    void REGRUNDA_HScroll5_Change();
    void REGRUNDA_HScroll6_Change();
    void REGRUNDA_HScroll7_Change();
    void REGRUNDA_HScroll8_Change();
    void REGRUNDA_HScroll9_Change();
    void REGRUNDA_HScroll10_Change();
    void REGRUNDA_HScroll11_Change();
    void REGRUNDA_HScroll12_Change();
    void REGRUNDA_HScroll13_Change();
    void REGRUNDA_HScroll14_Change();
    void REGRUNDA_HScroll15_Change();
    void REGRUNDA_HScroll16_Change();
    void REGRUNDA_HScroll17_Change();
    void REGRUNDA_HScroll18_Change();
    void REGRUNDA_HScroll19_Change();
    void REGRUNDA_HScroll20_Change();
    int REGRUNDA_TSE_KeyPress(int keyAscii);
    void REGRUNDA_C_Spara_Click();
    void REGRUNDA_C_Avbryt_Click();

    // Load steps.
    void showFirstCourse();
    void setExtendedDefaults();
    void setValueDefaults(bool roundsRead);

    // Shared by the value handlers.
    QString barText(registration::regrunda::Control bar) const;
    void wholePartChanged(const QString &shown, registration::regrunda::Control tenth,
                          registration::regrunda::Control tenthBar);
    void flagChanged(registration::regrunda::Control bar, Slots &perHole,
                     registration::regrunda::Control label);
    void countChanged(registration::regrunda::Control bar, Slots &perHole,
                      registration::regrunda::Control label);
    void resetExtendedBars();
    int currentHole() const;

    // The course table; a row or cell past its end reads as empty.
    QString courseCell(int row, int cell) const;
    void showHoleCells(int row, int hole);
    void showEndOfList();
    void showCourseControls();

    State &m_state;
};
