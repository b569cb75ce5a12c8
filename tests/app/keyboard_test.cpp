// Every window with the keyboard alone: the focus starts where the work starts, Tab walks its
// bars, buttons, boxes and lists row by row (never a label), a focused bar moves by arrows,
// by a tenth of its range per Page Up/Down and to its ends by Home/End, with its change
// handler run once per real move, Enter clicks the focused button, and Space or Enter chooses
// a list's framed entry.
#include "mainwindow/HUVUDMENY.h"

#include "kit/datafiles.h"
#include "kit/gui.h"
#include "kit/testenv.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class Keyboard : public testing::Test
{
protected:
    void SetUp() override { writeEkbacken(); }
    QWidget *open(const char *action, const char *name)
    {
        return openByMenu(&m_main, QString::fromUtf8(action), QString::fromUtf8(name));
    }
    HUVUDMENY m_main;
};

struct TabCase
{
    const char *action;
    const char *window;
    const char *stops; // from the control focused at opening, round to it again
};

void PrintTo(const TabCase &c, std::ostream *os)
{
    *os << c.window;
}

class TabOrder : public Keyboard, public testing::WithParamInterface<TabCase>
{
};

TEST_P(TabOrder, StartsAtTheFirstStopAndWalksEveryShownBarInOrder)
{
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = open(GetParam().action, GetParam().window));
    const QStringList stops = tabCycle(window);
    EXPECT_EQ(stops.join(u' ').toStdString(), GetParam().stops);
    for (auto *bar : window->findChildren<QScrollBar *>(Qt::FindDirectChildrenOnly)) {
        if (bar->isVisible()) {
            EXPECT_TRUE(stops.contains(bar->objectName())) << bar->objectName().toStdString();
        }
    }
}

// The stops are the shown bars, buttons, text boxes and lists of each window at opening, row by
// row from the top and left to right in a row, except in TABORT and SKAPAFIL, whose own tab
// order rules; the first, which has the focus at opening, is where the work starts: the name
// box of the course register, the course bar of the round register, the course lists.
INSTANTIATE_TEST_SUITE_P(
    Windows, TabOrder,
    testing::Values(
        TabCase{"M_DataBana", "REGBANA", "RB_Namn RB_NAMNKLAR RB_NAMNAVBRYT"},
        TabCase{
            "M_DataRunda", "REGRUNDA",
            "VScroll1 HScroll13 HCPF1 HScroll16 HScroll9 DD HScroll19 HScroll20 HScroll10 DM HScroll11 DY "
            "HScroll14 HCPE1 HScroll17 HScroll12 PO HScroll15 TSE InfRund HScroll3 HScroll1 HScroll2 C_Spara "
            "C_Avbryt"},
        TabCase{"M_DataTabort", "TABORT", "Command1 Option1"},
        TabCase{"M_SkapaFil", "SKAPAFIL", "L_Bana Command1"},
        TabCase{"M_Analy", "VE_ANALY", "ve_ban Command2"}, TabCase{"M_GraVis", "VEGRAFIK", "L_Bana C_Tillb"},
        TabCase{"M_Hcpvis", "VEHCPGRA", "HScroll2 HScroll1 HScroll3 HScroll4 Command1 Command2"},
        TabCase{"M_VisaSkärm", "VISKORT", "L_Bana C_Tillb"},
        TabCase{"M_VisaPrinter", "PRINT_I", "L_Print Command1"}, TabCase{"M_Inform", "VEMTINFO", "Command1"}),
    [](const auto &info) { return std::string(info.param.window); });

// Presses Tab until the control has the focus; fails fatally when Tab never reaches it.
void tabTo(QWidget *window, const QString &name)
{
    for (int press = 0; press < 100 && focusedControl(window) != name; ++press)
        pressKey(window, Qt::Key_Tab);
    if (focusedControl(window) != name)
        FAIL() << "Tab does not reach " << name.toStdString();
}

struct BarCase
{
    const char *action;
    const char *window;
    const char *bar;
    const char *label; // the label or box that shows the bar's value
    const char *mode;  // an option button Tab reaches first, the next of its group then chosen by arrow
    int large;         // the bar's large step: a tenth of its range, at least 1
};

void PrintTo(const BarCase &c, std::ostream *os)
{
    *os << c.window << " " << c.bar;
}

class BarKeys : public Keyboard, public testing::WithParamInterface<BarCase>
{
};

TEST_P(BarKeys, EachRealMoveRunsTheHandlerOnceAndTheLabelFollows)
{
    const BarCase &c = GetParam();
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = open(c.action, c.window));
    if (c.mode) {
        ASSERT_NO_FATAL_FAILURE(tabTo(window, QString::fromUtf8(c.mode)));
        pressKey(window, Qt::Key_Down);
    }
    const QString barName = QString::fromUtf8(c.bar);
    ASSERT_NO_FATAL_FAILURE(tabTo(window, barName));
    auto *bar = control<QScrollBar>(window, barName);
    int runs = 0;
    QObject::connect(bar, &QScrollBar::valueChanged, bar, [&] { ++runs; });
    const auto shown = [&] { return textOf(window, QString::fromUtf8(c.label)).trimmed(); };

    const int large = c.large;
    struct Step
    {
        Qt::Key key;
        int value; // the bar's value after the key, from its minimum or its maximum
        bool fromMaximum;
        int runs; // handler runs so far
    } const steps[] = {
        {Qt::Key_Home, 0, false, -1}, // from wherever the window put it
        {Qt::Key_Left, 0, false, 0},  // at the minimum: nothing runs
        {Qt::Key_PageUp, 0, false, 0},
        {Qt::Key_Right, 1, false, 1},
        {Qt::Key_PageDown, 1 + large, false, 2},
        {Qt::Key_PageUp, 1, false, 3},
        {Qt::Key_PageUp, 0, false, 4}, // less than a large step from the minimum: to it
        {Qt::Key_End, 0, true, 5},
        {Qt::Key_Right, 0, true, 5},
        {Qt::Key_PageDown, 0, true, 5},
        {Qt::Key_Left, 1, true, 6},
        {Qt::Key_PageDown, 0, true, 7},
        {Qt::Key_Home, 0, false, 8},
    };
    int runsAtHome = 0;
    for (const Step &step : steps) {
        SCOPED_TRACE(QKeySequence(step.key).toString().toStdString());
        pressKey(window, step.key);
        const int expected = step.fromMaximum ? bar->maximum() - step.value : bar->minimum() + step.value;
        EXPECT_EQ(bar->value(), expected);
        EXPECT_EQ(shown(), QString::number(expected));
        if (step.runs < 0)
            runsAtHome = runs;
        else
            EXPECT_EQ(runs - runsAtHome, step.runs);
    }
    EXPECT_EQ(focusedControl(window), barName);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, BarKeys,
    testing::Values(BarCase{"M_DataRunda", "REGRUNDA", "HScroll9", "DD", nullptr, 3},
                    BarCase{"M_DataRunda", "REGRUNDA", "HScroll12", "PO", nullptr, 6},
                    BarCase{"M_DataRunda", "REGRUNDA", "HScroll11", "DY", nullptr, 4},
                    BarCase{"M_DataTabort", "TABORT", "HScroll2", "Label3", "Option1", 1},
                    BarCase{"M_DataTabort", "TABORT", "HScroll3", "Label4", "Option1", 3}),
    [](const auto &info) { return std::string(info.param.window) + "_" + std::string(info.param.bar); });

struct ButtonCase
{
    const char *action;
    const char *window;
    const char *button; // closes its window
    Qt::Key key;
};

class ButtonKeys : public Keyboard, public testing::WithParamInterface<ButtonCase>
{
};

TEST_P(ButtonKeys, EnterOrSpaceClicksTheFocusedButtonAndEscapeDoesNothing)
{
    const ButtonCase &c = GetParam();
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = open(c.action, c.window));
    ASSERT_NO_FATAL_FAILURE(tabTo(window, QString::fromUtf8(c.button)));
    pressKey(window, Qt::Key_Escape);
    settle();
    ASSERT_EQ(openWindow(QString::fromUtf8(c.window)), window);
    pressKey(window, c.key);
    settle();
    EXPECT_EQ(openWindow(QString::fromUtf8(c.window)), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Windows, ButtonKeys,
                         testing::Values(ButtonCase{"M_Inform", "VEMTINFO", "Command1", Qt::Key_Return},
                                         ButtonCase{"M_DataTabort", "TABORT", "Command1", Qt::Key_Enter},
                                         ButtonCase{"M_SkapaFil", "SKAPAFIL", "Command1", Qt::Key_Space},
                                         ButtonCase{"M_Hcpvis", "VEHCPGRA", "Command2", Qt::Key_Return},
                                         ButtonCase{"M_DataRunda", "REGRUNDA", "C_Avbryt", Qt::Key_Return},
                                         ButtonCase{"M_DataBana", "REGBANA", "RB_NAMNAVBRYT", Qt::Key_Space}),
                         [](const auto &info) { return std::string(info.param.window); });

// A new course's name typed at once and "OK" by key: the hole step starts at the hole bar and
// Tab goes down its rows. The metres bar, 1..999, moves 99 per Page Down: four from 1 reach
// 397, three arrows more 400.
TEST_F(Keyboard, ACourseIsStartedByKeysAndTheMetresTakeLargeSteps)
{
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = open("M_DataBana", "REGBANA"));
    ASSERT_EQ(focusedControl(window), u"RB_Namn"_s);
    typeText(window, u"RB_Namn"_s, u"Rezeve"_s);
    pressKey(window, Qt::Key_Tab);
    ASSERT_EQ(focusedControl(window), u"RB_NAMNKLAR"_s);
    pressKey(window, Qt::Key_Return);
    EXPECT_EQ(focusedControl(window), u"HScroll1"_s);
    EXPECT_EQ(tabCycle(window).join(u' ').toStdString(),
              "HScroll1 HScroll2 HScroll4 HScroll3 RB_NAMNAVBRYT RB_Namn");

    ASSERT_NO_FATAL_FAILURE(tabTo(window, u"HScroll2"_s));
    auto *metres = control<QScrollBar>(window, u"HScroll2"_s);
    int runs = 0;
    QObject::connect(metres, &QScrollBar::valueChanged, metres, [&] { ++runs; });
    QStringList shown;
    for (int press = 0; press < 4; ++press) {
        pressKey(window, Qt::Key_PageDown);
        shown << labelText(window, u"XMETER"_s);
    }
    EXPECT_EQ(shown, (QStringList{u"100"_s, u"199"_s, u"298"_s, u"397"_s}));
    for (int press = 0; press < 3; ++press)
        pressKey(window, Qt::Key_Right);
    EXPECT_EQ(metres->value(), 400);
    EXPECT_EQ(runs, 7);
}

// At FULL on a hole of par 4, Tab goes from the strokes bar along its row to fairway, green,
// putts and "SPARA", then along the next row to bunker, pitch, chip and "Avbryt"; Shift+Tab
// from the strokes goes back up to the hole bar.
TEST_F(Keyboard, RoundRegisterAtFullTabsAlongTheHoleRows)
{
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = open("M_DataRunda", "REGRUNDA"));
    ASSERT_NO_FATAL_FAILURE(tabTo(window, u"HScroll3"_s));
    pressKey(window, Qt::Key_End);
    ASSERT_EQ(labelText(window, u"Utoka"_s), u"FULL"_s);
    ASSERT_NO_FATAL_FAILURE(tabTo(window, u"HScroll2"_s));
    EXPECT_EQ(tabCycle(window).mid(0, 9).join(u' ').toStdString(),
              "HScroll2 HScroll4 HScroll5 HScroll8 C_Spara HScroll6 HScroll18 HScroll7 C_Avbryt");
    pressKey(window, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focusedControl(window), u"HScroll1"_s);
}

// The scorecard opens with the focus on its course list, which frames the first course;
// Space chooses it as a click does, once, and shows its dates.
TEST_F(Keyboard, SpaceChoosesTheCourseTheListFramed)
{
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = open("M_VisaSkärm", "VISKORT"));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    ASSERT_EQ(focusedControl(window), u"L_Bana"_s);
    ASSERT_FALSE(isShown(window, u"L_Dat"_s));
    pressKey(window, Qt::Key_Space);
    EXPECT_TRUE(isShown(window, u"L_Dat"_s));
    EXPECT_EQ(listItems(window, u"L_Dat"_s).size(), 1);
    EXPECT_EQ(focusedControl(window), u"L_Bana"_s);
}

// The option buttons of the deletion window are one tab stop; an arrow moves to the other
// and chooses it, and the chosen one is the stop from then on.
TEST_F(Keyboard, OptionButtonsAreOneStopAndArrowsChooseBetweenThem)
{
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = open("M_DataTabort", "TABORT"));
    ASSERT_NO_FATAL_FAILURE(tabTo(window, u"Option1"_s));
    pressKey(window, Qt::Key_Down);
    EXPECT_EQ(focusedControl(window), u"Option2"_s);
    EXPECT_TRUE(control<QAbstractButton>(window, u"Option2"_s)->isChecked());
    EXPECT_TRUE(isShown(window, u"HScroll1"_s));
    EXPECT_EQ(tabCycle(window).join(u' ').toStdString(),
              "Option2 Command2 HScroll1 HScroll2 HScroll3 Command1");
    pressKey(window, Qt::Key_Up);
    EXPECT_EQ(focusedControl(window), u"Option1"_s);
    EXPECT_FALSE(control<QAbstractButton>(window, u"Option2"_s)->isChecked());
    EXPECT_TRUE(isShown(window, u"VScroll1"_s));
    EXPECT_EQ(tabCycle(window).join(u' ').toStdString(), "Option1 VScroll1 Command2 Command1");
}

// A course chosen in the report window's list by arrow shows the year bars, which Tab
// reaches after the list and the button, as the window's tab order has it. The window is
// active, as on a desktop: the list's focus then frames its only course, which the arrow
// chooses.
TEST_F(Keyboard, ReportWindowReachesItsYearBarsAfterACourseIsChosen)
{
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = open("M_SkapaFil", "SKAPAFIL"));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    ASSERT_EQ(focusedControl(window), u"L_Bana"_s);
    pressKey(window, Qt::Key_Down);
    ASSERT_EQ(recorder().messages.size(), 1u);
    EXPECT_EQ(tabCycle(window).join(u' ').toStdString(), "L_Bana Command1 HScroll1 HScroll2");
}

// The round of the worked example deleted with the keyboard alone.
TEST_F(Keyboard, ARoundIsDeletedWithTheKeyboardAlone)
{
    QWidget *window = nullptr;
    ASSERT_NO_FATAL_FAILURE(window = open("M_DataTabort", "TABORT"));
    ASSERT_NO_FATAL_FAILURE(tabTo(window, u"Option1"_s));
    pressKey(window, Qt::Key_Right); // round mode; the year bar stands at 2004
    ASSERT_NO_FATAL_FAILURE(tabTo(window, u"HScroll2"_s));
    for (int month = 1; month < 8; ++month)
        pressKey(window, Qt::Key_Right);
    pressKey(window, Qt::Key_Tab);
    pressKey(window, Qt::Key_End);
    for (int day = 31; day > 24; --day)
        pressKey(window, Qt::Key_Left);
    EXPECT_EQ((QStringList{labelText(window, u"Label2"_s), labelText(window, u"Label3"_s),
                           labelText(window, u"Label4"_s)}),
              (QStringList{u"2004"_s, u"8"_s, u"24"_s}));
    pressKey(window, Qt::Key_Tab, Qt::ShiftModifier);
    pressKey(window, Qt::Key_Tab, Qt::ShiftModifier);
    pressKey(window, Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(focusedControl(window), u"Command2"_s);
    pressKey(window, Qt::Key_Return);
    settle();
    EXPECT_EQ(openWindow(u"TABORT"_s), nullptr);
    EXPECT_TRUE(readFile(u"VERUNDAR"_s).startsWith("-1"));
    EXPECT_TRUE(recorder().messages.empty());
}

} // namespace
