#include "registration/REGRUNDA.h"

#include "kit/datafiles.h"
#include "kit/gui.h"
#include "kit/registers.h"
#include "kit/testenv.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace Qt::StringLiterals;

namespace {

// The round register through its own instance, for a test that reads the register's
// state, starts afresh for each case, or shows what the menu's guard would not let open.
using Register = platform::Instance<REGRUNDA, REGRUNDA::State>;

void writeEkbackenCourseOnly()
{
    writeLines(u"VEMTORBF"_s, ekbackenCourseLines());
    writeQuotedEmptyRoundFiles();
}

void setBoxText(QWidget *window, const QString &name, const QString &text)
{
    if (auto *box = control<QLineEdit>(window, name))
        box->setText(text);
}

const QStringList kExtendedControls{
    u"HScroll4"_s, u"Fair"_s,    u"Label16"_s, u"HScroll5"_s,  u"Gren"_s,     u"Label15"_s,
    u"HScroll6"_s, u"Antbunk"_s, u"Label17"_s, u"HScroll18"_s, u"Antpitch"_s, u"Label22"_s,
    u"HScroll7"_s, u"Antchip"_s, u"Label18"_s, u"HScroll8"_s,  u"Antputt"_s,  u"Label19"_s};
const QStringList kMidLevelControls{u"HScroll5"_s, u"Gren"_s,    u"Label15"_s,
                                    u"HScroll8"_s, u"Antputt"_s, u"Label19"_s};

QStringList shownOf(QWidget *window, const QStringList &names)
{
    QStringList shown;
    for (const QString &name : names)
        if (isShown(window, name))
            shown << name;
    return shown;
}

// What the scorecard shows of the worked example's round: every label of the card after its
// course and its date are clicked, by objectName (std::string, so that a difference prints
// readably).
std::map<std::string, std::string> ekbackenRoundCard()
{
    std::map<std::string, std::string> shown;
    QWidget *card = nullptr;
    EXPECT_NO_FATAL_FAILURE(card = openByMenu(u"M_VisaSkärm"_s, u"VISKORT"_s));
    if (!card)
        return shown;
    EXPECT_NO_FATAL_FAILURE(clickListRow(card, u"L_Bana"_s, 0));
    EXPECT_NO_FATAL_FAILURE(clickListRow(card, u"L_Dat"_s, 0));
    for (const QLabel *label : card->findChildren<QLabel *>())
        shown[label->objectName().toStdString()] = label->text().toStdString();
    card->close();
    settle();
    return shown;
}

} // namespace

TEST(RoundRegister, SavesTheWorkedExampleByteForByte)
{
    writeEkbackenCourseOnly();
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = openByMenu(u"M_DataRunda"_s, u"REGRUNDA"_s));
    ASSERT_NO_FATAL_FAILURE(enterRound(window, ekbackenRoundEntry()));
    ASSERT_NO_FATAL_FAILURE(click(window, u"C_Spara"_s));
    settle();

    EXPECT_EQ(readFile(u"VERUNDAR"_s), fileBytes(ekbackenRoundLines()));
    EXPECT_EQ(readFile(u"VERUNDAH"_s), fileBytes(ekbackenStrokeLines()));
    EXPECT_EQ(readFile(u"VERUNDAK"_s), fileBytes(ekbackenExtendedLines()));
    EXPECT_EQ(readFile(u"VEMTORBF"_s), fileBytes(ekbackenCourseLines()));
    EXPECT_FALSE(openWindow(u"REGRUNDA"_s));
    EXPECT_TRUE(recorder().messages.empty());
}

TEST(RoundRegister, LoadsTheFixedDefaults)
{
    writeEkbackenCourseOnly();
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = openByMenu(u"M_DataRunda"_s, u"REGRUNDA"_s));
    EXPECT_EQ(window->windowTitle(), u"REGISTRERA EN GOLFRUNDA");
    const std::pair<QString, QString> texts[] = {
        {u"RG1"_s, u"Ekbacken"_s}, {u"HA1"_s, u"1"_s},    {u"MA1"_s, u"312"_s},      {u"HCP1"_s, u"5"_s},
        {u"PA1"_s, u"4"_s},        {u"AntSl"_s, u"0"_s},  {u"DD"_s, u"1"_s},         {u"DM"_s, u"1"_s},
        {u"DY"_s, u"2004"_s},      {u"PO"_s, u"36"_s},    {u"TSE"_s, u"Sällskap"_s}, {u"Utoka"_s, u"INGEN"_s},
        {u"InfRund"_s, u""_s},     {u"Fair"_s, u"NEJ"_s}, {u"Antbunk"_s, u"0"_s},
    };
    for (const auto &[name, text] : texts)
        EXPECT_EQ(textOf(window, name), text) << name.toStdString();
    EXPECT_EQ(barValue(window, u"HScroll2"_s), 0);
    EXPECT_EQ(barValue(window, u"HScroll6"_s), 0);
    EXPECT_EQ(barValue(window, u"HScroll11"_s), 2004);
    EXPECT_EQ(barValue(window, u"HScroll15"_s), 1);
    for (const QString &name :
         {u"HScroll13"_s, u"HScroll14"_s, u"HScroll16"_s, u"HScroll19"_s, u"HScroll20"_s})
        EXPECT_EQ(barValue(window, name), 0) << name.toStdString();
    EXPECT_EQ(shownOf(window, kExtendedControls), QStringList());
    EXPECT_FALSE(isShown(window, u"Label24"_s));
    EXPECT_TRUE(isShown(window, u"C_Spara"_s));
    EXPECT_TRUE(recorder().messages.empty());
}

TEST(RoundRegister, TakesHandicapAndSlopeDefaultsFromTheLastStoredRound)
{
    struct Case
    {
        QString efter, slope, today;
        int whole, tenth, slopeWhole, slopeTenth, year;
    };
    const Case cases[] = {
        {u"12.3"_s, u"15.3"_s, u"08-24-2004"_s, 12, 3, 15, 3, 2004},
        {u"18.0"_s, u"11"_s, u"08-24-2004"_s, 18, 0, 11, 0, 2004},
        {u"54.3"_s, u"54.9"_s, u"01-02-2040"_s, 54, 3, 54, 9, 2040},
        {u"60.5"_s, u"abc"_s, u"08-24-2050"_s, 54, 5, 0, 0, 2040},
        {u"-2.5"_s, u""_s, u"08-24-1980"_s, 0, 5, 0, 0, 1995},
    };
    writeLines(u"VEMTORBF"_s, ekbackenCourseLines());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.efter.toStdString());
        // Two rounds: the values of the last one, the latest, are taken.
        writeLines(u"VERUNDAR"_s,
                   {u"1"_s, u"\"2004-01-01\""_s, u"\"Ekbacken\""_s, u"\"1.0\""_s, u"\"7.7\""_s, u"\"30\""_s,
                    u"\"S\""_s, u"\" \""_s, u"\"9\""_s, u"\"6.6\""_s, u"\"2004-02-01\""_s, u"\"Ekbacken\""_s,
                    u"\"1.0\""_s, u'"' + c.efter + u'"', u"\"30\""_s, u"\"S\""_s, u"\" \""_s, u"\"9\""_s,
                    u'"' + c.slope + u'"'});
        recorder().todayText = c.today;
        Register instance;
        QWidget *window = instance.show();
        const std::pair<QString, int> bars[] = {
            {u"HScroll13"_s, c.whole}, {u"HScroll14"_s, c.whole},      {u"HScroll16"_s, c.tenth},
            {u"HScroll17"_s, c.tenth}, {u"HScroll19"_s, c.slopeWhole}, {u"HScroll20"_s, c.slopeTenth},
            {u"HScroll11"_s, c.year},
        };
        for (const auto &[name, value] : bars)
            EXPECT_EQ(barValue(window, name), value) << name.toStdString();
        const std::pair<QString, int> shown[] = {
            {u"HCPF1"_s, c.whole},   {u"HCPE1"_s, c.whole},        {u"HCPFdec"_s, c.tenth},
            {u"HCPEdec"_s, c.tenth}, {u"HCPSLF1"_s, c.slopeWhole}, {u"HCPSFdec"_s, c.slopeTenth},
            {u"DY"_s, c.year},
        };
        for (const auto &[name, value] : shown)
            EXPECT_EQ(textOf(window, name), QString::number(value)) << name.toStdString();
        window->close();
        settle();
    }
}

TEST(RoundRegister, HoleChooserRestoresStrokesAndZeroesTheExtendedEntries)
{
    writeEkbackenCourseOnly();
    Register instance;
    QWidget *window = instance.show();
    REGRUNDA::State &state = instance.state();
    setBar(window, u"HScroll3"_s, 2);
    setBar(window, u"HScroll1"_s, 1);
    setBar(window, u"HScroll2"_s, 5);
    setBar(window, u"HScroll5"_s, 1);
    setBar(window, u"HScroll8"_s, 2);
    EXPECT_EQ(state.hal_green[1], 1);
    EXPECT_EQ(state.hal_putt[1], 2);

    setBar(window, u"HScroll1"_s, 2); // never given strokes
    EXPECT_EQ(textOf(window, u"AntSl"_s), u"0");
    EXPECT_EQ(barValue(window, u"HScroll2"_s), 0);
    EXPECT_EQ(state.hal_slag[2], u"0");
    EXPECT_EQ(state.hal_slag[1], u"5");

    setBar(window, u"HScroll1"_s, 1);
    EXPECT_EQ(textOf(window, u"HA1"_s), u"2");
    EXPECT_EQ(textOf(window, u"MA1"_s), u"145");
    EXPECT_EQ(textOf(window, u"AntSl"_s), u"5");
    EXPECT_EQ(barValue(window, u"HScroll2"_s), 5);
    EXPECT_EQ(textOf(window, u"Gren"_s), u"NEJ");
    EXPECT_EQ(textOf(window, u"Antputt"_s), u"0");
    EXPECT_EQ(barValue(window, u"HScroll8"_s), 0);
    EXPECT_EQ(state.hal_green[1], 0);
    EXPECT_EQ(state.hal_putt[1], 0);
}

TEST(RoundRegister, HoleBarFallsBackToTheLastHoleOfANineHoleCourse)
{
    writeEkbackenCourseOnly();
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = openByMenu(u"M_DataRunda"_s, u"REGRUNDA"_s));
    setBar(window, u"HScroll1"_s, 12);
    QScrollBar *holeBar = nullptr;
    ASSERT_NO_FATAL_FAILURE(holeBar = control<QScrollBar>(window, u"HScroll1"_s));
    EXPECT_EQ(holeBar->maximum(), 8);
    EXPECT_EQ(barValue(window, u"HScroll1"_s), 8);
    EXPECT_EQ(textOf(window, u"HA1"_s), u"9");
    EXPECT_EQ(textOf(window, u"MA1"_s), u"389");
    EXPECT_EQ(textOf(window, u"HCP1"_s), u"6");
    EXPECT_EQ(textOf(window, u"PA1"_s), u"4");
}

TEST(RoundRegister, FairwayFollowsTheParAtLevelFull)
{
    writeEkbackenCourseOnly();
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = openByMenu(u"M_DataRunda"_s, u"REGRUNDA"_s));
    setBar(window, u"HScroll3"_s, 2);
    setBar(window, u"HScroll4"_s, 1);
    EXPECT_EQ(textOf(window, u"Fair"_s), u"JA");
    setBar(window, u"HScroll1"_s, 1); // par 3
    const QStringList fairway{u"HScroll4"_s, u"Fair"_s, u"Label16"_s};
    EXPECT_EQ(shownOf(window, fairway), QStringList());
    EXPECT_EQ(textOf(window, u"Fair"_s), u"NEJ");
    EXPECT_EQ(barValue(window, u"HScroll4"_s), 0);
    setBar(window, u"HScroll1"_s, 2); // par 5
    EXPECT_EQ(shownOf(window, fairway), fairway);
}

TEST(RoundRegister, EachLevelShowsItsExtendedControls)
{
    writeEkbackenCourseOnly();
    Register instance;
    QWidget *window = instance.show();
    const std::pair<int, QStringList> levels[] = {
        {2, kExtendedControls}, {1, kMidLevelControls}, {0, {}}, {2, kExtendedControls}};
    const QString captions[] = {u"INGEN"_s, u"MELLAN"_s, u"FULL"_s};
    for (const auto &[level, shown] : levels) {
        setBar(window, u"HScroll3"_s, level);
        EXPECT_EQ(textOf(window, u"Utoka"_s), captions[level]);
        EXPECT_EQ(shownOf(window, kExtendedControls), shown) << level;
        if (level == 2 && barValue(window, u"HScroll8"_s) == 0)
            setBar(window, u"HScroll8"_s, 2);
    }
    // The putts entered at FULL survived the way through INGEN.
    EXPECT_EQ(textOf(window, u"Antputt"_s), u"2");
    EXPECT_EQ(instance.state().hal_putt[0], 2);
}

TEST(RoundRegister, CourseBarPastTheLastCourseShowsOnlyTheEndOfTheList)
{
    writeEkbackenCourseOnly();
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = openByMenu(u"M_DataRunda"_s, u"REGRUNDA"_s));
    setBar(window, u"HScroll3"_s, 1);
    setBar(window, u"VScroll1"_s, 1);
    QStringList shown;
    for (QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!child->isHidden())
            shown << child->objectName();
    shown.sort();
    EXPECT_EQ(shown, (QStringList{u"C_Avbryt"_s, u"Label24"_s, u"RG1"_s, u"VScroll1"_s}));
    EXPECT_EQ(textOf(window, u"Label24"_s), u"Finns inga fler registrerade banor");
    EXPECT_EQ(textOf(window, u"RG1"_s), u"");

    setBar(window, u"VScroll1"_s, 0);
    EXPECT_EQ(textOf(window, u"RG1"_s), u"Ekbacken");
    EXPECT_FALSE(isShown(window, u"Label24"_s));
    for (const QString &name : {u"C_Spara"_s, u"InfRund"_s, u"HScroll1"_s, u"AntSl"_s, u"Label4"_s, u"TSE"_s})
        EXPECT_TRUE(isShown(window, name)) << name.toStdString();
    EXPECT_EQ(shownOf(window, kExtendedControls), kMidLevelControls);
}

TEST(RoundRegister, ACourseWithHolesUndoesTheReactionToARowWithout)
{
    QStringList courses = ekbackenCourseLines();
    courses[0] = u"1"_s;
    courses << u"\"Trasig\""_s << u"\"0\""_s;
    writeLines(u"VEMTORBF"_s, courses);
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = openByMenu(u"M_DataRunda"_s, u"REGRUNDA"_s));
    setBar(window, u"HScroll1"_s, 3);
    setBar(window, u"VScroll1"_s, 1);
    EXPECT_EQ(textOf(window, u"RG1"_s), u"Trasig");
    setBar(window, u"HScroll1"_s, 0);
    EXPECT_EQ(recorder().beeps, 1);
    QLabel *name = nullptr;
    ASSERT_NO_FATAL_FAILURE(name = control<QLabel>(window, u"RG1"_s));
    EXPECT_EQ(name->palette().color(name->backgroundRole()), QColor(255, 0, 0));
    EXPECT_FALSE(isShown(window, u"C_Spara"_s));
    EXPECT_FALSE(isShown(window, u"C_Avbryt"_s));

    setBar(window, u"VScroll1"_s, 0);
    EXPECT_EQ(name->palette().color(name->backgroundRole()), QColor(0, 255, 255));
    EXPECT_TRUE(isShown(window, u"C_Spara"_s));
    EXPECT_TRUE(isShown(window, u"C_Avbryt"_s));
    EXPECT_EQ(barValue(window, u"HScroll1"_s), 0);
    EXPECT_EQ(textOf(window, u"HA1"_s), u"1");
}

TEST(RoundRegister, EmptyCourseFileShowsThePlaceholderThatTakesNoHole)
{
    writeEmptyFiles();
    Register instance;
    QWidget *window = instance.show();
    ASSERT_EQ(recorder().messages.size(), 1u);
    EXPECT_EQ(recorder().messages[0],
              (RecordedMessage{u"Du har inte registrerat någon bana ännu."_s, u"INFORMATION"_s, 48}));
    EXPECT_EQ(textOf(window, u"RG1"_s), u"INGEN BANA ÄR INREGISTRERAD");
    setBar(window, u"HScroll1"_s, 1);
    EXPECT_GE(recorder().beeps, 1);
    EXPECT_EQ(barValue(window, u"HScroll1"_s), 0);
    EXPECT_FALSE(isShown(window, u"C_Spara"_s));
}

TEST(RoundRegister, AWholePartOf54SetsItsTenthToZeroOnce)
{
    writeEkbackenCourseOnly();
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = openByMenu(u"M_DataRunda"_s, u"REGRUNDA"_s));
    struct Trio
    {
        QString whole, display, tenth, tenthLabel;
    };
    const Trio trios[] = {
        {u"HScroll13"_s, u"HCPF1"_s, u"HScroll16"_s, u"HCPFdec"_s},
        {u"HScroll14"_s, u"HCPE1"_s, u"HScroll17"_s, u"HCPEdec"_s},
        {u"HScroll19"_s, u"HCPSLF1"_s, u"HScroll20"_s, u"HCPSFdec"_s},
    };
    for (const Trio &t : trios) {
        SCOPED_TRACE(t.whole.toStdString());
        setBar(window, t.tenth, 7);
        setBar(window, t.whole, 53);
        EXPECT_EQ(textOf(window, t.tenthLabel), u"7");
        setBar(window, t.whole, 54);
        EXPECT_EQ(textOf(window, t.display), u"54");
        EXPECT_EQ(textOf(window, t.tenthLabel), u"0");
        EXPECT_EQ(barValue(window, t.tenth), 0);
        setBar(window, t.tenth, 5);
        setBar(window, t.whole, 53);
        EXPECT_EQ(textOf(window, t.tenthLabel), u"5");
        EXPECT_EQ(barValue(window, t.tenth), 5);
    }
}

TEST(RoundRegister, TypeOfPlayBoxTurnsKeysToCapitalsAndBeepsAtOthers)
{
    writeEkbackenCourseOnly();
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = openByMenu(u"M_DataRunda"_s, u"REGRUNDA"_s));
    struct Case
    {
        QString typed, shown;
        int beeps;
    };
    const Case cases[] = {
        {u"s"_s, u"S"_s, 0}, {u"T"_s, u"T"_s, 0}, {u"e"_s, u"E"_s, 0}, {u"x"_s, u"X"_s, 2},
        {u"1"_s, u"1"_s, 2}, {u"{"_s, u"["_s, 2}, {u"ä"_s, u"Ä"_s, 2}, {u"\""_s, u""_s, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        setBoxText(window, u"TSE"_s, QString());
        recorder().beeps = 0;
        typeText(window, u"TSE"_s, c.typed);
        EXPECT_EQ(textOf(window, u"TSE"_s), c.shown);
        EXPECT_EQ(recorder().beeps, c.beeps);
    }
    setBoxText(window, u"TSE"_s, u"Sällskap"_s);
    recorder().beeps = 0;
    typeText(window, u"TSE"_s, u"T"_s);
    typeKey(window, u"TSE"_s, Qt::Key_Backspace);
    typeKey(window, u"TSE"_s, Qt::Key_Backspace);
    EXPECT_EQ(textOf(window, u"TSE"_s), u"Sällska");
    EXPECT_EQ(recorder().beeps, 0);
    setBar(window, u"HScroll15"_s, 0);
    EXPECT_EQ(textOf(window, u"TSE"_s), u"Tävling");
}

TEST(RoundRegister, NumberBoxesTakeDigitsOnlyAndTheNoteNoQuote)
{
    writeEkbackenCourseOnly();
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = openByMenu(u"M_DataRunda"_s, u"REGRUNDA"_s));
    for (const QString &name : {u"DD"_s, u"DM"_s, u"DY"_s, u"PO"_s, u"HCPF1"_s, u"HCPE1"_s}) {
        SCOPED_TRACE(name.toStdString());
        setBoxText(window, name, QString());
        typeText(window, name, u"1a\" 2-."_s);
        EXPECT_EQ(textOf(window, name), u"12");
    }
    typeText(window, u"InfRund"_s, u"Blåst \"hård\" vind"_s);
    EXPECT_EQ(textOf(window, u"InfRund"_s), u"Blåst hård vind");
    EXPECT_EQ(recorder().beeps, 0);
}

TEST(RoundRegister, TypedTextsAreStoredAsTheyStand)
{
    writeEkbackenCourseOnly();
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = openByMenu(u"M_DataRunda"_s, u"REGRUNDA"_s));
    ASSERT_NO_FATAL_FAILURE(enterRound(window, ekbackenRoundEntry()));
    setBoxText(window, u"DD"_s, u"7"_s);
    setBoxText(window, u"DM"_s, u"5"_s);
    setBoxText(window, u"TSE"_s, u"X"_s);
    typeText(window, u"InfRund"_s, u"Regn"_s);
    click(window, u"C_Spara"_s);
    QStringList rounds = ekbackenRoundLines();
    rounds[1] = u"\"2004-05-07\""_s;
    rounds[6] = u"\"X\""_s;
    rounds[7] = u"\"Regn\""_s;
    EXPECT_EQ(readFile(u"VERUNDAR"_s), fileBytes(rounds));
}

TEST(RoundRegister, HoleCountFailureWinsOverMissingStrokes)
{
    // A hand-made course of twelve holes.
    QStringList course{u"0"_s, u"\"Tolv\""_s, u"\"12\""_s};
    for (int hole = 1; hole <= 12; ++hole)
        course << u"\"300\""_s << QString(u'"' + QString::number(hole) + u'"') << u"\"4\""_s;
    writeEkbacken();
    writeLines(u"VEMTORBF"_s, course);
    const RoundFiles before = filesOnDisk();
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = openByMenu(u"M_DataRunda"_s, u"REGRUNDA"_s));
    click(window, u"C_Spara"_s);
    settle();
    EXPECT_TRUE(openWindow(u"VE_ABEND"_s));
    EXPECT_FALSE(openWindow(u"FEL9_18"_s));
    EXPECT_FALSE(openWindow(u"REGRUNDA"_s));
    EXPECT_EQ(filesOnDisk(), before);
    EXPECT_EQ(labelText(openWindow(u"VE_ABEND"_s), u"Label1"_s),
              u"Du har registrerat data som varken har nio hål eller arton hål, dvs felaktig registrering.");
    EXPECT_EQ(openWindow(u"VE_ABEND"_s)->windowTitle(), u"FEL I DITT DATA.  [formulär= ve_abend]");
}

// After a damaged or missing file, whichever it is, the register's save writes nothing (it
// once wrote the round with handicaps 0.0 after a damaged course file) and says why before
// the register closes: the file again, and that the round was not saved.
TEST(RoundRegister, FileNotReadWholeAtLoadMakesTheSaveWriteNothingAndSayWhy)
{
    const QString damaged = u"Filen %1 är skadad och kunde inte läsas helt."_s;
    const struct
    {
        const char *name;
        QString file;
        QByteArray bytes; // empty: no file
        QString message;
    } cases[] = {
        {"course file counts two courses, holds one", u"VEMTORBF"_s,
         withLineReplaced(fileBytes(ekbackenCourseLines()), 0, "1"), damaged.arg(u"VEMTORBF")},
        // Read as empty, the save wrote the new round alone: the others were lost.
        {"round file line 1 below -1", u"VERUNDAR"_s,
         withLineReplaced(fileBytes(ekbackenRoundLines()), 0, "-5"), damaged.arg(u"VERUNDAR")},
        {"round file cut short", u"VERUNDAR"_s, withoutLastLines(fileBytes(ekbackenRoundLines()), 1),
         damaged.arg(u"VERUNDAR")},
        {"round file missing", u"VERUNDAR"_s, QByteArray(), u"Filen VERUNDAR saknas och kunde inte läsas."_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        recorder().clear();
        writeEkbacken();
        QFile::remove(c.file);
        if (!c.bytes.isEmpty())
            writeFile(c.file, c.bytes);
        const RoundFiles before = filesOnDisk();
        const QByteArray courses = readFile(u"VEMTORBF"_s);
        Register instance;
        QWidget *window = instance.show();
        EXPECT_EQ(recorder().messageTexts(), QStringList{c.message});
        ASSERT_NO_FATAL_FAILURE(enterRound(window, ekbackenRoundEntry()));
        recorder().clear();
        ASSERT_NO_FATAL_FAILURE(click(window, u"C_Spara"_s));
        settle();
        EXPECT_EQ(filesOnDisk(), before);
        EXPECT_EQ(readFile(u"VEMTORBF"_s), courses);
        EXPECT_EQ(QFile::exists(c.file), !c.bytes.isEmpty());
        EXPECT_EQ(recorder().messages, (std::vector<RecordedMessage>{{c.message + u" Rundan sparades inte."_s,
                                                                      u"FELMEDDELANDE"_s, 48}}));
        EXPECT_FALSE(openWindow(u"REGRUNDA"_s));
    }
}

// A round file damaged after the register opened, read again at the save, is told at the
// press in the same way: nothing is written, and the round was not saved.
TEST(RoundRegister, FileDamagedSinceTheLoadIsToldAtThePressAndNothingIsWritten)
{
    writeEkbacken();
    Register instance;
    QWidget *window = instance.show();
    ASSERT_NO_FATAL_FAILURE(enterRound(window, ekbackenRoundEntry()));
    writeFile(u"VERUNDAH"_s, withoutLastLines(fileBytes(ekbackenStrokeLines()), 1));
    const RoundFiles before = filesOnDisk();
    recorder().clear();
    ASSERT_NO_FATAL_FAILURE(click(window, u"C_Spara"_s));
    settle();
    EXPECT_EQ(filesOnDisk(), before);
    EXPECT_EQ(recorder().messages,
              (std::vector<RecordedMessage>{{u"Filen VERUNDAH är skadad och kunde inte läsas helt. Rundan sparades "
                                             u"inte."_s,
                                             u"FELMEDDELANDE"_s, 48}}));
    EXPECT_FALSE(openWindow(u"REGRUNDA"_s));
}

// A stroke cell that a CR opens counts 0 although a 4 follows (the CR is no blank). Saving a
// round on another course writes the stored round back as it reads, and its scorecard shows
// what it showed, but for the cell's own text: it shows the number it counts.
TEST(RoundRegister, SavingARoundLeavesWhatTheStoredRoundsShow)
{
    writeLines(u"VEMTORBF"_s, fileLines({courseRecordLines(u"Ekbacken"_s, ekbackenCourseHoles()),
                                         plainCourseLines(u"Lindö"_s, 9)}));
    writeLines(u"VERUNDAR"_s, ekbackenRoundLines());
    writeFile(u"VERUNDAH"_s, withLineReplaced(fileBytes(ekbackenStrokeLines()), 1, "\r4"));
    writeLines(u"VERUNDAK"_s, ekbackenExtendedLines());
    std::map<std::string, std::string> before;
    ASSERT_NO_FATAL_FAILURE(before = ekbackenRoundCard());
    EXPECT_EQ(before["vekoll0"], "0");
    EXPECT_EQ(before["lvisotot"], "38");

    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = openByMenu(u"M_DataRunda"_s, u"REGRUNDA"_s));
    ASSERT_NO_FATAL_FAILURE(setBar(window, u"VScroll1"_s, 1));
    RoundEntry lindo = ekbackenRoundEntry();
    lindo.day = 25;
    ASSERT_NO_FATAL_FAILURE(enterRound(window, lindo));
    ASSERT_NO_FATAL_FAILURE(click(window, u"C_Spara"_s));
    settle();
    ASSERT_TRUE(recorder().messages.empty());
    ASSERT_TRUE(readFile(u"VERUNDAR"_s).startsWith("1\r\n"));

    std::map<std::string, std::string> after;
    ASSERT_NO_FATAL_FAILURE(after = ekbackenRoundCard());
    // Hole 1's own stroke cell loses its CR and shows the number the round counts.
    EXPECT_EQ(before["Label91"], "\r4");
    before["Label91"] = "0";
    EXPECT_EQ(after, before);
}

TEST(RoundRegister, MissingStrokesShowOneErrorWindowAndWriteNothing)
{
    writeEkbackenCourseOnly();
    const RoundFiles before = filesOnDisk();
    for (int attempt = 0; attempt < 2; ++attempt) {
        QWidget *window = nullptr;
        ASSERT_NO_FATAL_FAILURE(window = openByMenu(u"M_DataRunda"_s, u"REGRUNDA"_s));
        ASSERT_NO_FATAL_FAILURE(enterRound(window, ekbackenRoundEntry()));
        setBar(window, u"HScroll2"_s, 0); // hole 9 back to 0 strokes
        click(window, u"C_Spara"_s);
        settle();
    }
    EXPECT_EQ(openWindowCount(u"FEL9_18"_s), 1);
    EXPECT_FALSE(openWindow(u"VE_ABEND"_s));
    EXPECT_FALSE(openWindow(u"REGRUNDA"_s));
    EXPECT_EQ(filesOnDisk(), before);
    QWidget *error = openWindow(u"FEL9_18"_s);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->windowTitle(), u"FELMEDDELANDE");
    EXPECT_EQ(
        labelText(error, u"Label1"_s),
        u"DU HAR INTE REGISTRERAT OKEY! Du har registrerat 0 slag eller inget slag alls på något hål. Du "
        u"kanske har refererat mot en 18 håls bana och registrerat endast 9 hål. (Har du spelat nio hål så "
        u"måste du välja rätt bana som överensstämmer med de hål du spelat.) FELORSAKEN LIGGER I "
        u"REGISTRERINGEN");
    click(error, u"C_FEL918"_s);
    settle();
    EXPECT_FALSE(openWindow(u"FEL9_18"_s));
}

TEST(RoundRegister, CancelWritesNothing)
{
    writeEkbackenCourseOnly();
    const RoundFiles before = filesOnDisk();
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = openByMenu(u"M_DataRunda"_s, u"REGRUNDA"_s));
    ASSERT_NO_FATAL_FAILURE(enterRound(window, ekbackenRoundEntry()));
    click(window, u"C_Avbryt"_s);
    settle();
    EXPECT_FALSE(openWindow(u"REGRUNDA"_s));
    EXPECT_EQ(filesOnDisk(), before);
}
