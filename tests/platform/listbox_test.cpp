#include "platform/controls.h"

#include "kit/gui.h"

#include <QListWidget>

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::StringLiterals;

// Windows run their list handlers on every click, also on the entry already chosen.
TEST(ListBox, EveryClickOnAnEntryRunsTheHandlerWithThatRow)
{
    QWidget window;
    window.setObjectName(u"LISTPROBE"_s);
    window.resize(400, 400);
    auto *list = platform::makeListBox(&window, u"L_Bana", {120, 120, 4095, 1800});
    for (int i = 0; i < 40; ++i)
        list->addItem(u"Bana %1"_s.arg(i));
    window.show();
    std::vector<int> rows;
    QObject::connect(list, &QListWidget::itemClicked, list,
                     [&](QListWidgetItem *) { rows.push_back(list->currentRow()); });

    clickListRow(&window, u"L_Bana"_s, 2);
    clickListRow(&window, u"L_Bana"_s, 2);
    clickListRow(&window, u"L_Bana"_s, 35); // below the visible part: scrolled to first
    EXPECT_EQ(rows, (std::vector<int>{2, 2, 35}));
    EXPECT_EQ(listItems(&window, u"L_Bana"_s).size(), 40);
}
