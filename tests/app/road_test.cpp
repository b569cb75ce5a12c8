// The whole program on the road of one round: first start in an empty directory, a
// course registered and a round entered through the menus, the files compared byte for
// byte, and the round shown as a scorecard.
#include "mainwindow/HUVUDMENY.h"
#include "platform/storemessages.h"

#include "kit/datafiles.h"
#include "kit/gui.h"
#include "kit/testenv.h"

#include <QDir>

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace Qt::StringLiterals;

namespace {

constexpr int kHoles = 9;

struct Hole
{
    int metres;
    int strokeIndex;
    int par;
};

// The example course Ekbacken, hole 1 first.
constexpr std::array<Hole, kHoles> kEkbacken{{
    {312, 5, 4},
    {145, 9, 3},
    {478, 1, 5},
    {356, 3, 4},
    {298, 7, 4},
    {167, 8, 3},
    {502, 2, 5},
    {334, 4, 4},
    {389, 6, 4},
}};

// A round as the user enters it on the register's bars; a handicap is its whole part
// and its tenth, -1 where the register's default is kept.
struct RoundEntry
{
    int day;
    int month;
    std::array<int, 2> hcpFore;
    std::array<int, 2> hcpEfter;
    std::array<int, 2> slope;
    int points;
    int playType; // -1: the default "Sällskap"
    QString note;
    int level; // 0 INGEN, 1 MELLAN
    std::array<int, kHoles> strokes;
    std::array<int, kHoles> greens; // level MELLAN only
    std::array<int, kHoles> putts;
};

// The example round, 2004-08-24 at level MELLAN.
const RoundEntry kExampleRound{24,
                               8,
                               {12, 3},
                               {12, 1},
                               {11, 0},
                               19,
                               -1,
                               {},
                               1,
                               {5, 4, 6, 5, 4, 3, 6, 5, 5},
                               {1, 0, 1, 0, 1, 1, 0, 1, 1},
                               {2, 2, 1, 3, 2, 2, 2, 2, 1}};

const QString kRestart =
    u"Eftersom denna bana är din första vemtor registrerade bana, så måste du starta om VEMTOR "
    u"(I huvudmenyn Arkiv + Avsluta.)"_s;

QStringList numberTexts(const std::array<int, kHoles> &values)
{
    QStringList texts;
    for (int value : values)
        texts << QString::number(value);
    return texts;
}

// The values as the text items of a file.
QStringList quoted(QStringList texts)
{
    for (QString &text : texts)
        text = u"\""_s + text + u"\""_s;
    return texts;
}

void registerEkbacken(HUVUDMENY &mainWindow)
{
    triggerMenu(&mainWindow, u"M_DataBana"_s);
    QWidget *window = openWindow(u"REGBANA"_s);
    ASSERT_NE(window, nullptr);
    typeText(window, u"RB_Namn"_s, u"Ekbacken"_s);
    click(window, u"RB_NAMNKLAR"_s);
    for (int hole = 1; hole <= kHoles; ++hole) {
        setBar(window, u"HScroll1"_s, hole);
        setBar(window, u"HScroll2"_s, kEkbacken[hole - 1].metres);
        setBar(window, u"HScroll3"_s, kEkbacken[hole - 1].strokeIndex);
        setBar(window, u"HScroll4"_s, kEkbacken[hole - 1].par);
    }
    click(window, u"RB_KLAR"_s);
    settle();
    EXPECT_EQ(openWindow(u"REGBANA"_s), nullptr);
}

void setHandicap(QWidget *window, const char *wholeBar, const char *tenthBar, std::array<int, 2> value)
{
    if (value[0] < 0)
        return;
    setBar(window, QString::fromLatin1(wholeBar), value[0]);
    setBar(window, QString::fromLatin1(tenthBar), value[1]);
}

void enterRound(HUVUDMENY &mainWindow, const RoundEntry &round)
{
    triggerMenu(&mainWindow, u"M_DataRunda"_s);
    QWidget *window = openWindow(u"REGRUNDA"_s);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(labelText(window, u"RG1"_s), u"Ekbacken"_s);
    setBar(window, u"HScroll9"_s, round.day);
    setBar(window, u"HScroll10"_s, round.month);
    setHandicap(window, "HScroll13", "HScroll16", round.hcpFore);
    setHandicap(window, "HScroll14", "HScroll17", round.hcpEfter);
    setHandicap(window, "HScroll19", "HScroll20", round.slope);
    setBar(window, u"HScroll12"_s, round.points);
    if (round.playType >= 0)
        setBar(window, u"HScroll15"_s, round.playType);
    typeText(window, u"InfRund"_s, round.note);
    setBar(window, u"HScroll3"_s, round.level);
    for (int hole = 0; hole < kHoles; ++hole) {
        setBar(window, u"HScroll1"_s, hole);
        setBar(window, u"HScroll2"_s, round.strokes[hole]);
        if (round.level >= 1) {
            setBar(window, u"HScroll5"_s, round.greens[hole]);
            setBar(window, u"HScroll8"_s, round.putts[hole]);
        }
    }
    click(window, u"C_Spara"_s);
    settle();
    EXPECT_EQ(openWindow(u"REGRUNDA"_s), nullptr);
}

// Whole file bytes, as std::string so that a difference prints readably.
std::string fileContent(const QString &name)
{
    return readFile(name).toStdString();
}

std::string expectedContent(const QStringList &lines)
{
    return fileBytes(lines).toStdString();
}

QStringList column(QWidget *window, int first)
{
    return labelTexts(window, u"Label"_s, first, 18);
}

QStringList withEmptyBackNine(QStringList frontNine)
{
    for (int hole = kHoles; hole < 18; ++hole)
        frontNine << QString();
    return frontNine;
}

} // namespace

TEST(Road, FirstStartCourseRoundAndScorecardGiveTheExampleFiles)
{
    ASSERT_TRUE(QDir::current().isEmpty());
    EXPECT_FALSE(platform::startupCheck());
    for (const QString &name : {u"VEMTORBF"_s, u"VERUNDAR"_s, u"VERUNDAH"_s, u"VERUNDAK"_s})
        EXPECT_EQ(fileContent(name), "-1\r\n") << name.toStdString();
    ASSERT_EQ(recorder().messages.size(), 2u);
    EXPECT_EQ(recorder().messages[0].title, u"INFORMATION     (fil saknas)"_s);
    EXPECT_TRUE(recorder().messages[1].text.endsWith(u"starta om programmet!"_s));
    recorder().clear();
    EXPECT_TRUE(platform::startupCheck());
    EXPECT_TRUE(recorder().messages.empty());

    {
        HUVUDMENY mainWindow;
        ASSERT_NO_FATAL_FAILURE(registerEkbacken(mainWindow));
        EXPECT_EQ(recorder().messages, (std::vector<RecordedMessage>{{kRestart, u"INFORMATION"_s, 0}}));
        EXPECT_EQ(fileContent(u"VEMTORBF"_s), expectedContent(ekbackenCourseLines()));
    }
    settle();
    recorder().clear();

    HUVUDMENY mainWindow; // the program started again
    ASSERT_NO_FATAL_FAILURE(enterRound(mainWindow, kExampleRound));
    EXPECT_TRUE(recorder().messages.empty());
    EXPECT_EQ(recorder().beeps, 0);
    EXPECT_EQ(fileContent(u"VEMTORBF"_s), expectedContent(ekbackenCourseLines()));
    EXPECT_EQ(fileContent(u"VERUNDAR"_s), expectedContent(ekbackenRoundLines()));
    EXPECT_EQ(fileContent(u"VERUNDAH"_s), expectedContent(ekbackenStrokeLines()));
    EXPECT_EQ(fileContent(u"VERUNDAK"_s), expectedContent(ekbackenExtendedLines()));

    triggerMenu(&mainWindow, u"M_VisaSkärm"_s);
    QWidget *card = openWindow(u"VISKORT"_s);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(listItems(card, u"L_Bana"_s), QStringList{u"Ekbacken"_s});
    clickListRow(card, u"L_Bana"_s, 0);
    EXPECT_EQ(listItems(card, u"L_Dat"_s), QStringList{u"2004-08-24"_s});
    clickListRow(card, u"L_Dat"_s, 0);

    // Slope 11.0: every stroke index is at most 11, so each hole receives one stroke.
    EXPECT_EQ(column(card, 73),
              withEmptyBackNine({u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s}));
    EXPECT_EQ(column(card, 91), withEmptyBackNine(numberTexts(kExampleRound.strokes)));
    EXPECT_EQ(column(card, 109),
              withEmptyBackNine({u"2"_s, u"2"_s, u"2"_s, u"2"_s, u"3"_s, u"3"_s, u"2"_s, u"2"_s, u"2"_s}));
    const std::pair<const char *, QString> labels[] = {
        {"L_TotErh", u"9"_s}, {"L_TotSla", u"43"_s}, {"L_TotPo", u"20"_s}, {"L_Tot9s", u"43"_s},
        {"L_Tot9p", u"20"_s}, {"L_Tot18s", {}},      {"L_Tot18p", {}},     {"L_TotPar", u"36"_s},
        {"L_Hcp", u"12.3"_s}, {"L_Hcpe", u"12.1"_s}, {"L_Hcps", u"11"_s},  {"L_t1", u"Sällskap"_s},
        {"L_Inf1", u" "_s},
    };
    for (const auto &[name, text] : labels)
        EXPECT_EQ(labelText(card, QString::fromLatin1(name)), text) << name;
}

TEST(Road, EarlierRoundIsStoredBeforeTheLatestInAllThreeFiles)
{
    writeEkbacken();
    HUVUDMENY mainWindow;
    // Handicaps left at the latest round's defaults: 12.1 before and after, slope 11.0.
    const RoundEntry earlier{
        7, 5, {-1, 0}, {-1, 0}, {-1, 0}, 22, 0, u"Regn"_s, 0, {4, 4, 4, 4, 4, 4, 4, 4, 4}, {}, {}};
    ASSERT_NO_FATAL_FAILURE(enterRound(mainWindow, earlier));

    const QStringList example = ekbackenRoundLines();
    EXPECT_EQ(fileContent(u"VERUNDAR"_s),
              expectedContent(QStringList{u"1"_s, u"\"2004-05-07\""_s, u"\"Ekbacken\""_s, u"\"12.1\""_s,
                                          u"\"12.1\""_s, u"\"22\""_s, u"\"T\""_s, u"\"Regn\""_s, u"\"9\""_s,
                                          u"\"11.0\""_s} +
                              example.mid(1)));
    EXPECT_EQ(fileContent(u"VERUNDAH"_s),
              expectedContent(QStringList{u"1"_s} + quoted(numberTexts(earlier.strokes)) +
                              ekbackenStrokeLines().mid(1)));
    EXPECT_EQ(fileContent(u"VERUNDAK"_s),
              expectedContent(QStringList{u"1"_s, u"\"I"_s + QString(54, u'-') + u"\""_s} +
                              ekbackenExtendedLines().mid(1)));
    EXPECT_EQ(fileContent(u"VEMTORBF"_s), expectedContent(ekbackenCourseLines()));

    triggerMenu(&mainWindow, u"M_VisaSkärm"_s);
    QWidget *card = openWindow(u"VISKORT"_s);
    ASSERT_NE(card, nullptr);
    clickListRow(card, u"L_Bana"_s, 0);
    EXPECT_EQ(listItems(card, u"L_Dat"_s), (QStringList{u"2004-05-07"_s, u"2004-08-24"_s}));
}
