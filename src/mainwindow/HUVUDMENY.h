#pragma once

#include "mainwindow/PRINT_I.h"
#include "mainwindow/PendingWindow.h"
#include "mainwindow/VEMTINFO.h"
#include "platform/form.h"
#include "registration/REGBANA.h"
#include "registration/REGRUNDA.h"
#include "scorecard/VISKORT.h"

#include <QMainWindow>

class QMenu;

// The main window: its menu bar is the way into every other window. It holds no data;
// it owns the one instance of each window it opens.
class HUVUDMENY : public QMainWindow
{
    Q_OBJECT

public:
    HUVUDMENY();

private:
    void buildMenus();
    QMenu *addMenu(QStringView name, QStringView caption);
    void addItem(QWidget *menu, QStringView name, QStringView caption, void (HUVUDMENY::*handler)());

    void HUVUDMENY_M_ArkivAvslut_Click();
    void HUVUDMENY_M_VisaSkarm_Click();
    void HUVUDMENY_M_VisaPrinter_Click();
    void HUVUDMENY_M_GraVis_Click();
    void HUVUDMENY_M_Hcpvis_Click();
    void HUVUDMENY_M_Analy_Click();
    void HUVUDMENY_M_DataBana_Click();
    void HUVUDMENY_M_DataRunda_Click();
    void HUVUDMENY_M_SkapaFil_Click();
    void HUVUDMENY_M_DataTabort_Click();
    void HUVUDMENY_M_Inform_Click();

    platform::Instance<VISKORT, VISKORT::State> m_viskort;
    platform::Instance<PRINT_I, PRINT_I::State> m_printInfo;
    platform::Instance<mainwindow::Pending<mainwindow::kVEGRAFIK>> m_graphics;
    platform::Instance<mainwindow::Pending<mainwindow::kVEHCPGRA>> m_handicapGraph;
    platform::Instance<mainwindow::Pending<mainwindow::kVE_ANALY>> m_analysis;
    platform::Instance<REGBANA, REGBANA::State> m_courseRegister;
    platform::Instance<REGRUNDA, REGRUNDA::State> m_roundRegister;
    platform::Instance<mainwindow::Pending<mainwindow::kSKAPAFIL>> m_report;
    platform::Instance<mainwindow::Pending<mainwindow::kTABORT>> m_deletion;
    platform::Instance<VEMTINFO> m_information;
};
