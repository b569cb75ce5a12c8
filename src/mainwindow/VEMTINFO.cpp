#include "mainwindow/VEMTINFO.h"

#include "mainwindow/Artwork.h"
#include "platform/controls.h"

#include <QLabel>
#include <QPushButton>

namespace {

struct TextRow
{
    QStringView name;
    platform::Twips rect;
    QStringView text;
};

// The contact addresses lie in the reserved .example domain, so they name no real site.
constexpr TextRow kTexts[] = {
    {u"Label1",
     {120, 600, 6135, 1335},
     u"VEMTOR är för dig som golfare som vill hålla ordning på dina scorekort. Du registrerar dina banor "
     u"och varje runda du spelar, och kan sedan söka i och utvärdera dina rundor så att du får en "
     u"överblick över ditt spel. Programmet är gratis. Skicka gärna ett e-brev och berätta vad du tycker "
     u"om systemet!"},
    {u"Label4", {5640, 3000, 3015, 255}, u"Webb: www.vemtor.example"},
    {u"Label6", {5760, 3240, 2895, 255}, u"E-post: vemtor@vemtor.example"},
    {u"Label5", {120, 3480, 2775, 255}, u"Modifieringar from version 9.0: "},
    {u"Label2", {120, 3840, 8295, 255}, u"9.1  2001-03-12  Scorekortet visar bästa och sämsta slag per hål."},
    {u"Label3", {120, 4080, 8415, 255}, u"9.2  2001-09-30  Rundorna sorteras i datumordning när de sparas."},
    {u"Label7", {120, 4320, 7215, 255}, u"9.3  2002-04-21  Grafisk visning av rundor och handikapp."},
    {u"Label8",
     {120, 4680, 8175, 615},
     u"9.4  2003-02-02  Utökad registrering per hål: fairway, green, bunkerslag, pitchar, chippar och "
     u"puttar, på nivåerna INGEN, MELLAN och FULL."},
    {u"Label9",
     {120, 5400, 8175, 255},
     u"9.9  2004-01-18  Scoreanalys av en bana och datafil med information."},
    {u"Label10",
     {120, 5640, 8655, 255},
     u"10.0  2004-08-24  Slopehandikapp, erhållna slag och poäng på scorekortet."},
};

} // namespace

VEMTINFO::VEMTINFO() : platform::Form(u"VEMTINFO", u"INFORMATION OM VEMTOR", 8835, 6015)
{
    platform::setColours(this, platform::kPurple, platform::kWhite);
    buildPictures();
    buildTexts();
    buildButton();
}

void VEMTINFO::buildPictures()
{
    auto *large = platform::makeLabel(this, u"Picture2", {6360, 240, 2295, 1815});
    large->setPixmap(mainwindow::artwork(QSize(192, 128)));
    large->setScaledContents(true);
    auto *small = platform::makeLabel(this, u"Picture1", {7080, 2640, 780, 337});
    small->setPixmap(mainwindow::artwork(small->size()));
}

void VEMTINFO::buildTexts()
{
    for (const TextRow &row : kTexts)
        platform::makeLabel(this, row.name, row.rect, row.text);
}

void VEMTINFO::buildButton()
{
    auto *back = platform::makeButton(this, u"Command1", {6360, 2040, 2295, 495}, u"Tillbaka");
    connect(back, &QPushButton::clicked, this, &VEMTINFO::VEMTINFO_Command1_Click);
}

void VEMTINFO::VEMTINFO_Command1_Click()
{
    unload();
}
