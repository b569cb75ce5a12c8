#pragma once

#include "maintenance/holeclass.h"
#include "maintenance/yearrange.h"
#include "platform/windowkit.h"
#include "store/tables.h"

namespace maintenance::skapafil {
enum Control : int;
}

// Writes a plain-text report of one course's rounds over a range of years. The user
// clicks a course; the first click sets the year bars to the course's years, and a
// later click on the same course makes the report for the years the user chose.
class SKAPAFIL : public platform::KitWindow
{
    Q_OBJECT

public:
    struct State
    {
        store::Tables tables;
        maintenance::ReportCounters counters;
        maintenance::PerHole hal_par{}; // the pars of the latest reports, per hole
    };

    explicit SKAPAFIL(State &state);

private:
    void connectHandlers();

    void formLoad() override { SKAPAFIL_Form_Load(); }

    void SKAPAFIL_Form_Load();
    void SKAPAFIL_Command1_Click();
    void SKAPAFIL_HScroll1_Change();
    void SKAPAFIL_HScroll2_Change();
    void SKAPAFIL_L_Bana_Click();

    void resetYears(const QString &course);
    void writeReport(const QString &course, int courseRow);

    State &m_state;
};
