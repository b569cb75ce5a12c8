#include "mainwindow/HUVUDMENY.h"

#include "kit/datafiles.h"
#include "kit/gui.h"
#include "kit/testenv.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kNoCourse = u"Du har inte registrerat någon bana ännu."_s;
const QString kNoRound = u"Du har inte registrerat någon runda ännu."_s;

// Course file with the example course; round files as given.
void writeCoursesWithoutRounds()
{
    writeEmptyFiles();
    writeLines(u"VEMTORBF"_s, ekbackenCourseLines());
}

enum class Files { Empty, CoursesOnly, CoursesAndRounds };

void writeFiles(Files files)
{
    switch (files) {
    case Files::Empty:
        writeEmptyFiles();
        break;
    case Files::CoursesOnly:
        writeCoursesWithoutRounds();
        break;
    case Files::CoursesAndRounds:
        writeEkbacken();
        break;
    }
}

struct GuardCase
{
    const char *action;
    const char *window;
    Files files;
    QString message; // empty: the window opens
};

void PrintTo(const GuardCase &c, std::ostream *os)
{
    *os << c.action;
}

std::string guardCaseName(const testing::TestParamInfo<GuardCase> &info)
{
    static const char *const files[] = {"Empty", "CoursesOnly", "CoursesAndRounds"};
    return std::string(info.param.window) + "_" + files[int(info.param.files)];
}

class GuardTest : public testing::TestWithParam<GuardCase>
{
};

TEST_P(GuardTest, MenuItemOpensItsWindowOrTellsWhatIsMissing)
{
    const GuardCase &c = GetParam();
    writeFiles(c.files);
    HUVUDMENY mainWindow;
    triggerMenu(&mainWindow, QString::fromUtf8(c.action));

    QWidget *window = openWindow(QString::fromUtf8(c.window));
    if (c.message.isEmpty()) {
        EXPECT_NE(window, nullptr);
    } else {
        EXPECT_EQ(window, nullptr);
        EXPECT_EQ(recorder().messages, (std::vector<RecordedMessage>{{c.message, u"INFORMATION"_s, 48}}));
    }
}

// The guarded items need a course (and, but for the round register, a round); the
// others open on empty files too.
INSTANTIATE_TEST_SUITE_P(EveryMenuItem, GuardTest,
                         testing::Values(GuardCase{"M_VisaSkärm", "VISKORT", Files::Empty, kNoCourse},
                                         GuardCase{"M_VisaSkärm", "VISKORT", Files::CoursesOnly, kNoRound},
                                         GuardCase{"M_VisaSkärm", "VISKORT", Files::CoursesAndRounds, {}},
                                         GuardCase{"M_GraVis", "VEGRAFIK", Files::Empty, kNoCourse},
                                         GuardCase{"M_GraVis", "VEGRAFIK", Files::CoursesOnly, kNoRound},
                                         GuardCase{"M_GraVis", "VEGRAFIK", Files::CoursesAndRounds, {}},
                                         GuardCase{"M_Hcpvis", "VEHCPGRA", Files::Empty, kNoCourse},
                                         GuardCase{"M_Hcpvis", "VEHCPGRA", Files::CoursesOnly, kNoRound},
                                         GuardCase{"M_Hcpvis", "VEHCPGRA", Files::CoursesAndRounds, {}},
                                         GuardCase{"M_Analy", "VE_ANALY", Files::Empty, kNoCourse},
                                         GuardCase{"M_Analy", "VE_ANALY", Files::CoursesOnly, kNoRound},
                                         GuardCase{"M_Analy", "VE_ANALY", Files::CoursesAndRounds, {}},
                                         GuardCase{"M_DataRunda", "REGRUNDA", Files::Empty, kNoCourse},
                                         GuardCase{"M_DataRunda", "REGRUNDA", Files::CoursesOnly, {}},
                                         GuardCase{"M_DataBana", "REGBANA", Files::Empty, {}},
                                         GuardCase{"M_SkapaFil", "SKAPAFIL", Files::Empty, {}},
                                         GuardCase{"M_DataTabort", "TABORT", Files::Empty, {}},
                                         GuardCase{"M_Inform", "VEMTINFO", Files::Empty, {}}),
                         guardCaseName);

TEST(MainWindow, RoundFileHeldAsTextCountsAsEmptyForTheGuard)
{
    writeCoursesWithoutRounds();
    writeLines(u"VERUNDAR"_s, {u"\"-1\""_s});
    HUVUDMENY mainWindow;
    triggerMenu(&mainWindow, u"M_VisaSkärm"_s);
    EXPECT_EQ(openWindow(u"VISKORT"_s), nullptr);
    EXPECT_EQ(recorder().messageTexts(), QStringList{kNoRound});
}

TEST(MainWindow, MenuBarHasEveryItemInOrderWithItsAccessKey)
{
    HUVUDMENY mainWindow;
    QStringList bar;
    for (QAction *action : mainWindow.menuBar()->actions())
        bar << action->objectName() + u'=' + action->text();
    EXPECT_EQ(bar, (QStringList{u"M_Arkiv=&Arkiv"_s, u"M_Visa=&Visa"_s, u"M_Analy=A&nalys"_s,
                                u"M_Data=&Data"_s, u"M_Inform=&Information"_s}));

    auto items = [&](const char *menu) {
        QStringList texts;
        for (QAction *action : mainWindow.findChild<QMenu *>(QString::fromLatin1(menu))->actions())
            texts << action->objectName() + u'=' + action->text();
        return texts;
    };
    EXPECT_EQ(items("M_Arkiv"), QStringList{u"M_ArkivAvslut=A&vsluta"_s});
    EXPECT_EQ(
        items("M_Visa"),
        (QStringList{u"M_VisaSkärm=S&corekort till skärm"_s, u"M_VisaPrinter=&Scorekort till skrivare"_s,
                     u"M_GraVis=&Grafisk visning "_s, u"M_Hcpvis=&Handikapp ändringar"_s}));
    EXPECT_EQ(items("M_Data"), (QStringList{u"M_DataBana=&Bana    (registrera / ändra)"_s,
                                            u"M_DataRunda=&Runda  (registrera / ändra)"_s,
                                            u"M_SkapaFil=&Skapa en datafil med information"_s,
                                            u"M_DataTabort=&Ta bort en Bana eller en Runda"_s}));
    EXPECT_TRUE(mainWindow.windowTitle().startsWith(u"VEMTOR v10.0  "_s));
}

TEST(MainWindow, AvslutaEndsTheProgram)
{
    writeEmptyFiles();
    HUVUDMENY mainWindow;
    triggerMenu(&mainWindow, u"M_ArkivAvslut"_s);
    EXPECT_EQ(recorder().ends, 1);
}

TEST(MainWindow, OpenWindowIsRaisedNotReloadedAndReloadsAfterClosing)
{
    writeEkbacken();
    HUVUDMENY mainWindow;
    QWidget *first = nullptr;
    ASSERT_NO_FATAL_FAILURE(first = openByMenu(&mainWindow, u"M_VisaPrinter"_s, u"PRINT_I"_s));
    EXPECT_EQ(listItems(first, u"L_Print"_s), QStringList{u"Ekbacken"_s});

    // Another course arrives on disk: the open window does not see it.
    QStringList twoCourses = ekbackenCourseLines();
    twoCourses[0] = u"1"_s;
    QStringList second = ekbackenCourseLines().mid(1);
    second[0] = u"\"Lindö\""_s;
    writeLines(u"VEMTORBF"_s, twoCourses + second);

    triggerMenu(&mainWindow, u"M_VisaPrinter"_s);
    EXPECT_EQ(openWindow(u"PRINT_I"_s), first);
    EXPECT_EQ(listItems(first, u"L_Print"_s), QStringList{u"Ekbacken"_s});

    click(first, u"Command1"_s);
    settle();
    EXPECT_EQ(openWindow(u"PRINT_I"_s), nullptr);

    QWidget *again = nullptr;
    ASSERT_NO_FATAL_FAILURE(again = openByMenu(&mainWindow, u"M_VisaPrinter"_s, u"PRINT_I"_s));
    EXPECT_EQ(listItems(again, u"L_Print"_s), (QStringList{u"Ekbacken"_s, u"Lindö"_s}));
}

TEST(MainWindow, ItemOfAnOpenWindowRunsTheGuardAgainWithoutReloadingTheWindow)
{
    writeEkbacken();
    HUVUDMENY mainWindow;
    QWidget *card = nullptr;
    ASSERT_NO_FATAL_FAILURE(card = openByMenu(&mainWindow, u"M_VisaSkärm"_s, u"VISKORT"_s));

    // A reload would show the scorecard's own empty-file message as well.
    writeLines(u"VERUNDAR"_s, {u"-1"_s});
    triggerMenu(&mainWindow, u"M_VisaSkärm"_s);
    EXPECT_EQ(recorder().messageTexts(), QStringList{kNoRound});
    EXPECT_EQ(openWindow(u"VISKORT"_s), card);
}

TEST(MainWindow, ClosingItByTheFrameLeavesTheOtherWindowsOpen)
{
    HUVUDMENY mainWindow;
    mainWindow.show();
    triggerMenu(&mainWindow, u"M_Inform"_s);
    mainWindow.close();
    settle();
    EXPECT_FALSE(mainWindow.isVisible());
    EXPECT_NE(openWindow(u"VEMTINFO"_s), nullptr);
    EXPECT_EQ(recorder().ends, 0);
}

TEST(MainWindow, InformationWindowClosesWithTillbaka)
{
    HUVUDMENY mainWindow;
    QWidget *info = nullptr;
    ASSERT_NO_FATAL_FAILURE(info = openByMenu(&mainWindow, u"M_Inform"_s, u"VEMTINFO"_s));
    EXPECT_EQ(info->windowTitle(), u"INFORMATION OM VEMTOR"_s);
    EXPECT_EQ(labelText(info, u"Label5"_s), u"Modifieringar from version 9.0: "_s);
    click(info, u"Command1"_s);
    settle();
    EXPECT_EQ(openWindow(u"VEMTINFO"_s), nullptr);
}

} // namespace
