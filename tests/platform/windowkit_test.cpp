#include "platform/windowkit.h"

#include "kit/gui.h"
#include "kit/printers.h"

#include <QLabel>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <array>

using namespace Qt::StringLiterals;

namespace {

enum Control : int { Caption, Back, Bar, kFirstCell, kControlCount = kFirstCell + 3 };

using enum platform::Kind;
constexpr platform::ControlRow kControls[] = {
    {Caption, Label, u"Label1", {150, 300, 1500, 255}, u"Hål", {.alignment = Qt::AlignCenter}},
    {Back, Button, u"Command1", {150, 600, 1500, 450}, u"Tillbaka", {}, false},
    {Bar,
     HorizontalBar,
     u"HScroll1",
     {150, 1200, 1500, 255},
     {},
     {},
     true,
     {.min = 1, .max = 18, .start = 9}},
};
constexpr std::array<int, 3> kCellTops{1500, 1740, 2100};

class WindowKit : public testing::Test
{
protected:
    void SetUp() override
    {
        m_window.setObjectName(u"KITPROBE"_s);
        m_controls.make(kControls);
        m_controls.make(
            platform::CellRun{kFirstCell, u"vekoll", 20, {150, 0, 600, 255}, Qt::Vertical, kCellTops});
    }

    QWidget m_window;
    platform::ControlSet m_controls{&m_window, kControlCount};
};

} // namespace

TEST_F(WindowKit, RowsAreMadeNamedPlacedInPixelsAndStartAsDesigned)
{
    EXPECT_EQ(labelText(&m_window, u"Label1"_s), u"Hål"_s);
    QLabel *label = nullptr;
    ASSERT_NO_FATAL_FAILURE(label = control<QLabel>(&m_window, u"Label1"_s));
    EXPECT_EQ(label->geometry(), QRect(10, 20, 100, 17));
    EXPECT_EQ(m_controls.label(Caption)->alignment(), Qt::AlignCenter);
    EXPECT_FALSE(isShown(&m_window, u"Command1"_s));
    const QScrollBar *bar = m_controls.bar(Bar);
    EXPECT_EQ(bar->objectName(), u"HScroll1"_s);
    EXPECT_EQ((std::array{bar->minimum(), bar->maximum(), bar->value()}), (std::array{1, 18, 9}));
}

TEST_F(WindowKit, RepeatedCellsAreNamedFromTheirPrefixAndPlacedDownTheColumn)
{
    for (int i = 0; i < 3; ++i) {
        const QLabel *cell = m_controls.label(kFirstCell + i);
        EXPECT_EQ(cell->objectName(), u"vekoll%1"_s.arg(20 + i));
        EXPECT_EQ(cell->geometry(), QRect(10, platform::pixels(kCellTops[i]), 40, 17));
    }
}

TEST_F(WindowKit, SetsOfIdsAreShownAndHiddenAtOnce)
{
    m_controls.setShown({Back, kFirstCell + 1}, true);
    EXPECT_TRUE(isShown(&m_window, u"Command1"_s));
    EXPECT_TRUE(isShown(&m_window, u"vekoll21"_s));
    m_controls.setShown({Caption, Back}, false);
    EXPECT_FALSE(isShown(&m_window, u"Label1"_s));
    EXPECT_FALSE(isShown(&m_window, u"Command1"_s));
}

TEST_F(WindowKit, AControlAskedForAsAnotherKindStopsTheProgramNamingIt)
{
    EXPECT_DEATH(m_controls.label(Back), "Command1 in KITPROBE is a button, not a label");
    EXPECT_DEATH(m_controls.button(kControlCount), "no control with id");
}

TEST(WindowKitTable, ARowOutOfIdOrderANameTakenTwiceOrTabStopCellsStopTheProgramNamingIt)
{
    QWidget window;
    window.setObjectName(u"KITPROBE"_s);
    platform::ControlSet controls(&window, kControlCount);
    const platform::ControlRow swapped[] = {kControls[Back], kControls[Caption]};
    EXPECT_DEATH(controls.make(swapped), "Label1 of KITPROBE comes after Command1 in its table");

    controls.make(kControls);
    EXPECT_DEATH(controls.make(platform::ControlRow{kFirstCell, Label, u"Command1"}),
                 "two controls of KITPROBE are named Command1");
    EXPECT_DEATH(controls.make(platform::CellRun{kFirstCell, u"HScroll", 1, {}, Qt::Vertical, kCellTops}),
                 "two controls of KITPROBE are named HScroll1");
    EXPECT_DEATH(
        controls.make(platform::CellRun{kFirstCell, u"RB_Hal", 1, {}, Qt::Vertical, kCellTops, {}, Button}),
        "the RB_Hal cells of KITPROBE: a button is a tab stop");
}

namespace {

// Stops made out of their places: a name box with a tall button level with it and a bar a
// little lower, then a bar under the box, then a bar and a button whose tops are close. The
// box is hidden when asked.
enum Stop : int { StopBack, StopHole, StopName, StopOk, StopMetres, StopPar, kStopCount };
constexpr platform::ControlRow kStops[] = {
    {StopBack, Button, u"Command1", {3000, 1500, 1200, 400}, u"Tillbaka"},
    {StopHole,
     HorizontalBar,
     u"HScroll1",
     {150, 1560, 1500, 255},
     {},
     {},
     true,
     {.min = 1, .max = 18, .start = 1}},
    {StopName, TextBox, u"RB_Namn", {150, 300, 2000, 285}},
    {StopOk, Button, u"Command2", {4000, 300, 1000, 735}, u"OK"},
    {StopMetres,
     HorizontalBar,
     u"HScroll2",
     {2400, 420, 1000, 255},
     {},
     {},
     true,
     {.min = 1, .max = 999, .start = 1}},
    {StopPar,
     HorizontalBar,
     u"HScroll3",
     {150, 600, 1000, 255},
     {},
     {},
     true,
     {.min = 1, .max = 9, .start = 1}},
};

QStringList tabStops(platform::TabOrder order, bool nameShown)
{
    QWidget window;
    window.resize(400, 200);
    platform::ControlSet controls(&window, kStopCount, order);
    controls.make(kStops);
    controls.setShown({StopName}, nameShown);
    window.show();
    controls.focusFirstTabStop();
    return tabCycle(&window);
}

} // namespace

// Tab goes row by row from the top, left to right in a row, whatever order the table has; a
// window whose table is in its own tab order keeps that. The first shown stop has the focus.
TEST(WindowKitTabOrder, FollowsTheRowsOrTheTable)
{
    EXPECT_EQ(tabStops(platform::TabOrder::Rows, true).join(u' '),
              u"RB_Namn HScroll2 Command2 HScroll3 HScroll1 Command1"_s);
    EXPECT_EQ(tabStops(platform::TabOrder::Rows, false).join(u' '),
              u"HScroll2 Command2 HScroll3 HScroll1 Command1"_s);
    EXPECT_EQ(tabStops(platform::TabOrder::Table, true).join(u' '),
              u"Command1 HScroll1 RB_Namn Command2 HScroll2 HScroll3"_s);
}
