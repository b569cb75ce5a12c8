// Every window with the keyboard alone: Tab walks its bars and buttons in order (never a
// label), a focused bar moves by arrows, Page Up/Down and Home/End with its change handler
// run once per real move, and Enter clicks the focused button.
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

// The stops are the shown bars, buttons, text boxes and lists of each window at opening, in
// the order of the window's control table.
INSTANTIATE_TEST_SUITE_P(
    Windows, TabOrder,
    testing::Values(
        TabCase{"M_DataBana", "REGBANA", "RB_NAMNAVBRYT RB_NAMNKLAR RB_Namn"},
        TabCase{"M_DataRunda", "REGRUNDA",
                "DD DM DY PO HCPF1 HCPE1 TSE InfRund VScroll1 HScroll1 HScroll2 HScroll3 HScroll9 HScroll10 "
                "HScroll11 HScroll12 HScroll13 HScroll14 HScroll15 HScroll16 HScroll17 HScroll19 HScroll20 "
                "C_Spara C_Avbryt"},
        TabCase{"M_DataTabort", "TABORT", "Command1 Option1"},
        TabCase{"M_SkapaFil", "SKAPAFIL", "L_Bana Command1"},
        TabCase{"M_Analy", "VE_ANALY", "ve_ban Command2"}, TabCase{"M_GraVis", "VEGRAFIK", "L_Bana C_Tillb"},
        TabCase{"M_Hcpvis", "VEHCPGRA", "HScroll2 HScroll1 HScroll3 HScroll4 Command1 Command2"},
        TabCase{"M_VisaSkärm", "VISKORT", "L_Bana C_Tillb"}, TabCase{"M_Inform", "VEMTINFO", "Command1"}),
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
