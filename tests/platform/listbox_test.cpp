#include "platform/controls.h"
#include "platform/listbox.h"

#include "kit/gui.h"

#include <QKeySequence>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A window with one list of 40 courses, the last one "Ekbacken", recording the row its
// click handler sees at each run.
class ListBoxTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_window.setObjectName(u"LISTPROBE"_s);
        m_window.resize(400, 400);
        m_list = platform::makeListBox(&m_window, u"L_Bana", {120, 120, 4095, 1800});
        for (int i = 0; i < 39; ++i)
            m_list->addItem(u"Bana %1"_s.arg(i));
        m_list->addItem(u"Ekbacken"_s);
        m_list->setClickHandler([this] { m_rows.push_back(m_list->currentRow()); });
        m_window.show();
        m_list->setFocus();
    }

    QWidget m_window;
    platform::ListBox *m_list = nullptr;
    std::vector<int> m_rows;
};

} // namespace

// Windows run their list handlers on every click, also on the entry already chosen.
TEST_F(ListBoxTest, EveryClickOnAnEntryRunsTheHandlerOnceWithThatRow)
{
    clickListRow(&m_window, u"L_Bana"_s, 2);
    clickListRow(&m_window, u"L_Bana"_s, 2);
    clickListRow(&m_window, u"L_Bana"_s, 35); // below the visible part: scrolled to first
    EXPECT_EQ(m_rows, (std::vector<int>{2, 2, 35}));
    EXPECT_EQ(listItems(&m_window, u"L_Bana"_s).size(), 40);
}

TEST_F(ListBoxTest, EveryKeyThatMovesTheSelectionRunsTheHandlerOnce)
{
    struct Case
    {
        Qt::Key key;
        int expectedRow;
    };
    const int pageDown = [this] {
        clickListRow(&m_window, u"L_Bana"_s, 5);
        QTest::keyClick(m_list, Qt::Key_PageDown);
        return m_list->currentRow();
    }();
    ASSERT_GT(pageDown, 6);
    const Case cases[] = {{Qt::Key_Down, 6},
                          {Qt::Key_Up, 4},
                          {Qt::Key_Home, 0},
                          {Qt::Key_End, 39},
                          {Qt::Key_PageDown, pageDown},
                          {Qt::Key_E, 39}};
    for (const Case &c : cases) {
        SCOPED_TRACE(QTest::keyToAscii(c.key));
        clickListRow(&m_window, u"L_Bana"_s, 5);
        m_rows.clear();
        QTest::keyClick(m_list, c.key);
        EXPECT_EQ(m_rows, std::vector<int>{c.expectedRow});
    }
}

TEST_F(ListBoxTest, AKeyThatLeavesTheSelectionRunsNothing)
{
    clickListRow(&m_window, u"L_Bana"_s, 0);
    m_rows.clear();
    QTest::keyClick(m_list, Qt::Key_Up);
    QTest::keyClick(m_list, Qt::Key_Home);
    EXPECT_TRUE(m_rows.empty());
}

TEST_F(ListBoxTest, FillingEmptyingOrChoosingFromCodeRunsNothing)
{
    clickListRow(&m_window, u"L_Bana"_s, 3);
    m_rows.clear();
    m_list->setCurrentRow(7);
    m_list->clear();
    m_list->addItems({u"Ekbacken"_s, u"Rezeve"_s});
    m_list->setCurrentRow(1);
    EXPECT_TRUE(m_rows.empty());
    clickListRow(&m_window, u"L_Bana"_s, 1); // the entry chosen from code, clicked
    EXPECT_EQ(m_rows, std::vector<int>{1});
}

// A list that takes the focus from the keyboard frames its first entry without choosing
// it; the first arrow, Home, End, Space or Enter then chooses it, also when it is the list's
// only entry, so that the keyboard alone reaches every course.
TEST(ListBox, TheEntryTheFocusFramedIsChosenByTheFirstKeyThatStaysOnIt)
{
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Space,
                              Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        QWidget window;
        window.resize(400, 400);
        platform::makeButton(&window, u"Command1", {120, 2000, 1200, 400}, u"Tillbaka");
        platform::ListBox *list = platform::makeListBox(&window, u"L_Bana", {120, 120, 4095, 1800});
        list->addItem(u"Ekbacken"_s);
        std::vector<int> rows;
        list->setClickHandler([&] { rows.push_back(list->currentRow()); });
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_Tab);
        ASSERT_TRUE(list->hasFocus());
        ASSERT_EQ(list->currentRow(), 0);
        ASSERT_EQ(list->selectedRow(), -1);

        QTest::keyClick(list, key);
        EXPECT_EQ(rows, std::vector<int>{0});
        EXPECT_EQ(list->selectedText(), u"Ekbacken"_s);
        QTest::keyClick(list, key); // chosen already: nothing runs
        EXPECT_EQ(rows, std::vector<int>{0});
    }
}

// Space chooses the framed entry once; from there the keys go on as from any chosen entry: Up
// at the top runs nothing, Down then Up choose the next and the first again.
TEST(ListBox, SpaceChoosesTheFramedEntryOnceAndTheArrowsGoOnFromIt)
{
    QWidget window;
    window.resize(400, 400);
    platform::makeButton(&window, u"Command1", {120, 2000, 1200, 400}, u"Tillbaka");
    platform::ListBox *list = platform::makeListBox(&window, u"L_Bana", {120, 120, 4095, 1800});
    list->addItems({u"Ekbacken"_s, u"Rezeve"_s, u"Sjöhagen"_s});
    std::vector<int> rows;
    list->setClickHandler([&] { rows.push_back(list->currentRow()); });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_Tab);
    ASSERT_TRUE(list->hasFocus());

    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Space, Qt::Key_Return, Qt::Key_Up})
        QTest::keyClick(list, key);
    EXPECT_EQ(rows, std::vector<int>{0});
    EXPECT_EQ(list->selectedRow(), 0);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(rows, (std::vector<int>{0, 1, 0}));
}
