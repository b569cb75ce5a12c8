#pragma once

#include "platform/windowkit.h"

#include <QMainWindow>

#include <memory>

class QMenu;

// The main window: its menu bar is the way into every other window. It holds no data;
// it owns the one instance of each window it opens.
class HUVUDMENY : public QMainWindow
{
    Q_OBJECT

public:
    HUVUDMENY();
    ~HUVUDMENY() override;

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

    // The instances of the windows it opens, kept out of this header.
    struct Windows;
    std::unique_ptr<Windows> m_windows;
    platform::ControlSet m_controls;
};
