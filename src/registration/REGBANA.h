#pragma once

#include "platform/windowkit.h"
#include "registration/FELINMAT.h"
#include "store/loading.h"
#include "store/tables.h"

#include <QString>

#include <optional>

namespace registration::regbana {
enum Control : int;
}

// The course register: registers a new course or changes the hole values of a registered
// one, one hole at a time, and rewrites VEMTORBF whole when the course is saved.
class REGBANA : public platform::KitWindow
{
    Q_OBJECT

public:
    struct State
    {
        store::Tables tables; // bantabell: the courses, then the status texts of the free rows
        int sista_bana = -1;  // the last course row
        QString inmatat_namn; // the name to save
        int aktuell_rad = 0;  // the row under entry
        // The course file when the register could not read it whole at its load: it then
        // saves nothing.
        std::optional<store::FileStatus> unread;
        platform::Instance<FELINMAT, FELINMAT::State> errorWindow;
    };

    explicit REGBANA(State &state);

private:
    void connectHandlers();

    void formLoad() override { REGBANA_Form_Load(); }

    void REGBANA_Form_Load();
    int REGBANA_RB_Namn_KeyPress(int code);
    void REGBANA_RB_NAMNKLAR_Click();
    void REGBANA_VScroll1_Change();
    void REGBANA_HScroll1_Change();
    void REGBANA_HScroll2_Change();
    void REGBANA_HScroll3_Change();
    void REGBANA_HScroll4_Change();
    void REGBANA_RB_KLAR_Click();
    void REGBANA_RB_NAMNAVBRYT_Click();

    void showHoleStep(bool newCourse);
    void showHoleValues(int hole);
    void storeHoleValue(registration::regbana::Control bar, registration::regbana::Control label, int cell);
    void showInputError();

    int currentHole() const;
    store::CourseRow &currentRow();

    State &m_state;
};
