// The whole program on the road of one round: first start in an empty directory, a
// course registered and a round entered through the menus, the files compared byte for
// byte, and the round shown as a scorecard.
#include "mainwindow/HUVUDMENY.h"
#include "platform/storemessages.h"

#include "kit/datafiles.h"
#include "kit/gui.h"
#include "kit/registers.h"
#include "kit/testenv.h"

#include <QDir>

#include <gtest/gtest.h>

#include <string>

using namespace Qt::StringLiterals;

namespace {

constexpr int kHoles = 9;

const QString kRestart =
    u"Eftersom denna bana är din första vemtor registrerade bana, så måste du starta om VEMTOR "
    u"(I huvudmenyn Arkiv + Avsluta.)"_s;

QStringList numberTexts(const QList<int> &values)
{
    QStringList texts;
    for (int value : values)
        texts << QString::number(value);
    return texts;
}

// The values as the text items of a file.
QStringList quotedItems(QStringList texts)
{
    for (QString &text : texts)
        text = quoted(text);
    return texts;
}

void registerEkbacken(HUVUDMENY &mainWindow)
{
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = openByMenu(&mainWindow, u"M_DataBana"_s, u"REGBANA"_s));
    ASSERT_NO_FATAL_FAILURE(startNewCourse(window, u"Ekbacken"_s));
    ASSERT_NO_FATAL_FAILURE(enterCourseHoles(window, ekbackenCourseHoles()));
    ASSERT_NO_FATAL_FAILURE(click(window, u"RB_KLAR"_s));
    settle();
    EXPECT_EQ(openWindow(u"REGBANA"_s), nullptr);
}

void enterRoundByMenu(HUVUDMENY &mainWindow, const RoundEntry &round)
{
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = openByMenu(&mainWindow, u"M_DataRunda"_s, u"REGRUNDA"_s));
    EXPECT_EQ(labelText(window, u"RG1"_s), u"Ekbacken"_s);
    ASSERT_NO_FATAL_FAILURE(enterRound(window, round));
    ASSERT_NO_FATAL_FAILURE(click(window, u"C_Spara"_s));
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
    ASSERT_NO_FATAL_FAILURE(enterRoundByMenu(mainWindow, ekbackenRoundEntry()));
    EXPECT_TRUE(recorder().messages.empty());
    EXPECT_EQ(recorder().beeps, 0);
    EXPECT_EQ(fileContent(u"VEMTORBF"_s), expectedContent(ekbackenCourseLines()));
    EXPECT_EQ(fileContent(u"VERUNDAR"_s), expectedContent(ekbackenRoundLines()));
    EXPECT_EQ(fileContent(u"VERUNDAH"_s), expectedContent(ekbackenStrokeLines()));
    EXPECT_EQ(fileContent(u"VERUNDAK"_s), expectedContent(ekbackenExtendedLines()));

    QWidget *card = nullptr;
    ASSERT_NO_FATAL_FAILURE(card = openByMenu(&mainWindow, u"M_VisaSkärm"_s, u"VISKORT"_s));
    EXPECT_EQ(listItems(card, u"L_Bana"_s), QStringList{u"Ekbacken"_s});
    clickListRow(card, u"L_Bana"_s, 0);
    EXPECT_EQ(listItems(card, u"L_Dat"_s), QStringList{u"2004-08-24"_s});
    clickListRow(card, u"L_Dat"_s, 0);

    // Slope 11.0: every stroke index is at most 11, so each hole receives one stroke.
    EXPECT_EQ(column(card, 73),
              withEmptyBackNine({u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s}));
    EXPECT_EQ(column(card, 91), withEmptyBackNine(numberTexts(ekbackenRoundEntry().strokes)));
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
        .day = 7, .month = 5, .points = 22, .playType = 0, .note = u"Regn"_s, .strokes = QList<int>(9, 4)};
    ASSERT_NO_FATAL_FAILURE(enterRoundByMenu(mainWindow, earlier));

    const QStringList example = ekbackenRoundLines();
    EXPECT_EQ(fileContent(u"VERUNDAR"_s),
              expectedContent(QStringList{u"1"_s, u"\"2004-05-07\""_s, u"\"Ekbacken\""_s, u"\"12.1\""_s,
                                          u"\"12.1\""_s, u"\"22\""_s, u"\"T\""_s, u"\"Regn\""_s, u"\"9\""_s,
                                          u"\"11.0\""_s} +
                              example.mid(1)));
    EXPECT_EQ(fileContent(u"VERUNDAH"_s),
              expectedContent(QStringList{u"1"_s} + quotedItems(numberTexts(earlier.strokes)) +
                              ekbackenStrokeLines().mid(1)));
    EXPECT_EQ(fileContent(u"VERUNDAK"_s),
              expectedContent(QStringList{u"1"_s, u"\"I"_s + QString(54, u'-') + u"\""_s} +
                              ekbackenExtendedLines().mid(1)));
    EXPECT_EQ(fileContent(u"VEMTORBF"_s), expectedContent(ekbackenCourseLines()));

    QWidget *card = nullptr;
    ASSERT_NO_FATAL_FAILURE(card = openByMenu(&mainWindow, u"M_VisaSkärm"_s, u"VISKORT"_s));
    clickListRow(card, u"L_Bana"_s, 0);
    EXPECT_EQ(listItems(card, u"L_Dat"_s), (QStringList{u"2004-05-07"_s, u"2004-08-24"_s}));
}
