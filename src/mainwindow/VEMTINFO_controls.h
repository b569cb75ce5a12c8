#pragma once

#include "platform/windowkit.h"

// The controls of the information window, in the order they are made.
namespace mainwindow::vemtinfo {

using enum platform::Kind;

enum Control : int {
    Picture2,
    Picture1,
    Label1,
    Label4,
    Label6,
    Label5,
    Label2,
    Label3,
    Label7,
    Label8,
    Label9,
    Label10,
    Command1
};

// The contact addresses lie in the reserved .example domain, so they name no real site.
inline constexpr platform::ControlRow kControls[] = {
    {Picture2, Picture, u"Picture2", {6360, 240, 2295, 1815}},
    {Picture1, Picture, u"Picture1", {7080, 2640, 780, 337}},
    {Label1,
     Label,
     u"Label1",
     {120, 600, 6135, 1335},
     u"VEMTOR är för dig som golfare som vill hålla ordning på dina scorekort. Du registrerar dina banor "
     u"och varje runda du spelar, och kan sedan söka i och utvärdera dina rundor så att du får en "
     u"överblick över ditt spel. Programmet är gratis. Skicka gärna ett e-brev och berätta vad du tycker "
     u"om systemet!"},
    {Label4, Label, u"Label4", {5640, 3000, 3015, 255}, u"Webb: www.vemtor.example"},
    {Label6, Label, u"Label6", {5760, 3240, 2895, 255}, u"E-post: vemtor@vemtor.example"},
    {Label5, Label, u"Label5", {120, 3480, 2775, 255}, u"Modifieringar from version 9.0: "},
    {Label2,
     Label,
     u"Label2",
     {120, 3840, 8295, 255},
     u"9.1  2001-03-12  Scorekortet visar bästa och sämsta slag per hål."},
    {Label3,
     Label,
     u"Label3",
     {120, 4080, 8415, 255},
     u"9.2  2001-09-30  Rundorna sorteras i datumordning när de sparas."},
    {Label7,
     Label,
     u"Label7",
     {120, 4320, 7215, 255},
     u"9.3  2002-04-21  Grafisk visning av rundor och handikapp."},
    {Label8,
     Label,
     u"Label8",
     {120, 4680, 8175, 615},
     u"9.4  2003-02-02  Utökad registrering per hål: fairway, green, bunkerslag, pitchar, chippar och "
     u"puttar, på nivåerna INGEN, MELLAN och FULL."},
    {Label9,
     Label,
     u"Label9",
     {120, 5400, 8175, 255},
     u"9.9  2004-01-18  Scoreanalys av en bana och datafil med information."},
    {Label10,
     Label,
     u"Label10",
     {120, 5640, 8655, 255},
     u"10.0  2004-08-24  Slopehandikapp, erhållna slag och poäng på scorekortet."},
    {Command1, Button, u"Command1", {6360, 2040, 2295, 495}, u"Tillbaka"},
};

} // namespace mainwindow::vemtinfo
