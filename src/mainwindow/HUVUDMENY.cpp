#include "mainwindow/HUVUDMENY.h"

#include "mainwindow/Artwork.h"
#include "platform/geometry.h"
#include "platform/services.h"
#include "platform/storemessages.h"
#include "store/guard.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace {

constexpr int kClientWidth = 7965;
constexpr int kClientHeight = 4485;

} // namespace

HUVUDMENY::HUVUDMENY()
{
    setObjectName(u"HUVUDMENY"_s);
    setWindowTitle(u"VEMTOR v10.0  Din golfdagbok"_s);
    buildMenus();

    auto *picture = new QLabel(this);
    picture->setObjectName(u"Picture1"_s);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(mainwindow::mainWindowPicture());
    setCentralWidget(picture);
    picture->setFixedSize(platform::pixels(kClientWidth), platform::pixels(kClientHeight));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

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
        m_viskort.show();
}

void HUVUDMENY::HUVUDMENY_M_VisaPrinter_Click()
{
    m_printInfo.show();
}

void HUVUDMENY::HUVUDMENY_M_GraVis_Click()
{
    if (platform::guardAllows(store::GuardFiles::CoursesAndRounds))
        m_graphics.show();
}

void HUVUDMENY::HUVUDMENY_M_Hcpvis_Click()
{
    if (platform::guardAllows(store::GuardFiles::CoursesAndRounds))
        m_handicapGraph.show();
}

void HUVUDMENY::HUVUDMENY_M_Analy_Click()
{
    if (platform::guardAllows(store::GuardFiles::CoursesAndRounds))
        m_analysis.show();
}

void HUVUDMENY::HUVUDMENY_M_DataBana_Click()
{
    m_courseRegister.show();
}

void HUVUDMENY::HUVUDMENY_M_DataRunda_Click()
{
    if (platform::guardAllows(store::GuardFiles::CoursesOnly))
        m_roundRegister.show();
}

void HUVUDMENY::HUVUDMENY_M_SkapaFil_Click()
{
    m_report.show();
}

void HUVUDMENY::HUVUDMENY_M_DataTabort_Click()
{
    m_deletion.show();
}

void HUVUDMENY::HUVUDMENY_M_Inform_Click()
{
    m_information.show();
}
