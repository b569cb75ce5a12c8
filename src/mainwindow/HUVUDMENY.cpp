#include "mainwindow/HUVUDMENY.h"

#include "analysis/VEGRAFIK.h"
#include "analysis/VEHCPGRA.h"
#include "analysis/VE_ANALY.h"
#include "maintenance/SKAPAFIL.h"
#include "maintenance/TABORT.h"
#include "mainwindow/PRINT_I.h"
#include "mainwindow/VEMTINFO.h"
#include "platform/artwork.h"
#include "platform/services.h"
#include "platform/storemessages.h"
#include "registration/REGBANA.h"
#include "registration/REGRUNDA.h"
#include "scorecard/VISKORT.h"
#include "store/guard.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace {

enum Control : int { Picture1, kControlCount };

// The picture fills the client area.
constexpr platform::ControlRow kPicture{Picture1, platform::Kind::Picture, u"Picture1", {0, 0, 7965, 4485}};

} // namespace

struct HUVUDMENY::Windows
{
    platform::Instance<VISKORT, VISKORT::State> viskort;
    platform::Instance<PRINT_I, PRINT_I::State> printInfo;
    platform::Instance<VEGRAFIK, VEGRAFIK::State> graphics;
    platform::Instance<VEHCPGRA, VEHCPGRA::State> handicapGraph;
    platform::Instance<VE_ANALY, VE_ANALY::State> analysis;
    platform::Instance<REGBANA, REGBANA::State> courseRegister;
    platform::Instance<REGRUNDA, REGRUNDA::State> roundRegister;
    platform::Instance<SKAPAFIL, SKAPAFIL::State> report;
    platform::Instance<TABORT, TABORT::State> deletion;
    platform::Instance<VEMTINFO> information;
};

HUVUDMENY::HUVUDMENY() : m_windows(std::make_unique<Windows>()), m_controls(this, kControlCount)
{
    setObjectName(u"HUVUDMENY"_s);
    setWindowTitle(u"VEMTOR v10.0  Din golfdagbok"_s);
    buildMenus();

    m_controls.make(kPicture);
    QLabel *picture = m_controls.picture(Picture1);
    picture->setPixmap(platform::mainWindowPicture());
    setCentralWidget(picture);
    picture->setFixedSize(picture->size());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

HUVUDMENY::~HUVUDMENY() = default;

QMenu *HUVUDMENY::addMenu(QStringView name, QStringView caption)
{
    QMenu *menu = menuBar()->addMenu(caption.toString());
    menu->setObjectName(name.toString());
    menu->menuAction()->setObjectName(name.toString());
    return menu;
}

void HUVUDMENY::addItem(QWidget *menu, QStringView name, QStringView caption, void (HUVUDMENY::*handler)())
{
    auto *action = new QAction(caption.toString(), menu);
    action->setObjectName(name.toString());
    menu->addAction(action);
    connect(action, &QAction::triggered, this, handler);
}

void HUVUDMENY::buildMenus()
{
    QMenu *arkiv = addMenu(u"M_Arkiv", u"&Arkiv");
    addItem(arkiv, u"M_ArkivAvslut", u"A&vsluta", &HUVUDMENY::HUVUDMENY_M_ArkivAvslut_Click);

    QMenu *visa = addMenu(u"M_Visa", u"&Visa");
    addItem(visa, u"M_VisaSkärm", u"S&corekort till skärm", &HUVUDMENY::HUVUDMENY_M_VisaSkarm_Click);
    addItem(visa, u"M_VisaPrinter", u"&Scorekort till skrivare", &HUVUDMENY::HUVUDMENY_M_VisaPrinter_Click);
    addItem(visa, u"M_GraVis", u"&Grafisk visning ", &HUVUDMENY::HUVUDMENY_M_GraVis_Click);
    addItem(visa, u"M_Hcpvis", u"&Handikapp ändringar", &HUVUDMENY::HUVUDMENY_M_Hcpvis_Click);

    addItem(menuBar(), u"M_Analy", u"A&nalys", &HUVUDMENY::HUVUDMENY_M_Analy_Click);

    QMenu *data = addMenu(u"M_Data", u"&Data");
    addItem(data, u"M_DataBana", u"&Bana    (registrera / ändra)", &HUVUDMENY::HUVUDMENY_M_DataBana_Click);
    addItem(data, u"M_DataRunda", u"&Runda  (registrera / ändra)", &HUVUDMENY::HUVUDMENY_M_DataRunda_Click);
    addItem(data, u"M_SkapaFil", u"&Skapa en datafil med information",
            &HUVUDMENY::HUVUDMENY_M_SkapaFil_Click);
    addItem(data, u"M_DataTabort", u"&Ta bort en Bana eller en Runda",
            &HUVUDMENY::HUVUDMENY_M_DataTabort_Click);

    addItem(menuBar(), u"M_Inform", u"&Information", &HUVUDMENY::HUVUDMENY_M_Inform_Click);
}

void HUVUDMENY::HUVUDMENY_M_ArkivAvslut_Click()
{
    platform::endProgram();
}

void HUVUDMENY::HUVUDMENY_M_VisaSkarm_Click()
{
    if (platform::guardAllows(store::GuardFiles::CoursesAndRounds))
        m_windows->viskort.show();
}

void HUVUDMENY::HUVUDMENY_M_VisaPrinter_Click()
{
    m_windows->printInfo.show();
}

void HUVUDMENY::HUVUDMENY_M_GraVis_Click()
{
    if (platform::guardAllows(store::GuardFiles::CoursesAndRounds))
        m_windows->graphics.show();
}

void HUVUDMENY::HUVUDMENY_M_Hcpvis_Click()
{
    if (platform::guardAllows(store::GuardFiles::CoursesAndRounds))
        m_windows->handicapGraph.show();
}

void HUVUDMENY::HUVUDMENY_M_Analy_Click()
{
    if (platform::guardAllows(store::GuardFiles::CoursesAndRounds))
        m_windows->analysis.show();
}

void HUVUDMENY::HUVUDMENY_M_DataBana_Click()
{
    m_windows->courseRegister.show();
}

void HUVUDMENY::HUVUDMENY_M_DataRunda_Click()
{
    if (platform::guardAllows(store::GuardFiles::CoursesOnly))
        m_windows->roundRegister.show();
}

void HUVUDMENY::HUVUDMENY_M_SkapaFil_Click()
{
    m_windows->report.show();
}

void HUVUDMENY::HUVUDMENY_M_DataTabort_Click()
{
    m_windows->deletion.show();
}

void HUVUDMENY::HUVUDMENY_M_Inform_Click()
{
    m_windows->information.show();
}
