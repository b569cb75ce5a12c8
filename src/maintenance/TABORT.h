#pragma once

#include "platform/windowkit.h"
#include "store/loading.h"
#include "store/tables.h"

namespace maintenance::tabort {
enum Control : int;
}

// The deletion window: deletes a registered course with every round played on it, or
// every round of one date, and rewrites the data files.
class TABORT : public platform::KitWindow
{
    Q_OBJECT

public:
    struct State
    {
        // bantabell as course mode loaded it (the chooser's 51 rows, and every course read),
        // and the round tables as round mode loaded them.
        store::Tables tables;
    };

    explicit TABORT(State &state);

private:
    void connectHandlers();

    void formLoad() override { TABORT_Form_Load(); }

    void TABORT_Form_Load();
    void TABORT_Command1_Click();
    void TABORT_Option1_Click();
    void TABORT_Option2_Click();
    void TABORT_VScroll1_Change();
    void TABORT_HScroll1_Change();
    void TABORT_HScroll2_Change();
    void TABORT_HScroll3_Change();
    void TABORT_Command2_Click();

    void showBarValue(maintenance::tabort::Control bar, maintenance::tabort::Control label);
    void showCourseOfRow(int row);
    void deleteRoundsOfDate();
    void deleteCourse();
    // The files a deletion rewrites, read as they are now; false, and the user told that
    // nothing was deleted, when one cannot be read whole.
    bool readAgain(const store::LoadPlan &plan);

    State &m_state;
};
