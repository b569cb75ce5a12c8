#include "platform/controls.h"
#include "platform/keytextbox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A box whose handler records every code it sees and answers through a rule.
struct KeyBoxFixture : testing::Test
{
    QWidget window;
    platform::KeyTextBox *box = platform::makeTextBox(&window, u"RB_Namn", {480, 1920, 6855, 285});
    std::vector<int> codes;
    std::function<int(int)> rule = [](int code) { return code; };

    void SetUp() override
    {
        box->setKeyHandler([this](int code) {
            codes.push_back(code);
            return rule(code);
        });
        window.show();
    }

    void type(const QString &text)
    {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
};

} // namespace

TEST_F(KeyBoxFixture, HandlerSeesWindowsCodesAndTheBoxTakesWhatItReturns)
{
    const struct
    {
        const char16_t *typed;
        int (*rule)(int);
        std::vector<int> codes;
        const char16_t *text;
    } cases[] = {
        {u"ab", [](int c) { return c; }, {97, 98}, u"ab"},
        {u"åäö", [](int c) { return c; }, {0xE5, 0xE4, 0xF6}, u"åäö"},
        {u"€Ω", [](int c) { return c; }, {0x80, 63}, u"€?"},
        {u"a\"b", [](int c) { return c == '"' ? 0 : c; }, {97, 34, 98}, u"ab"},
        {u"abc", [](int c) { return c - 32; }, {97, 98, 99}, u"ABC"},
        {u"x1", [](int c) { return c < 32 ? c : 7; }, {120, 49}, u""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.typed).toStdString());
        box->clear();
        codes.clear();
        rule = c.rule;
        type(QString::fromUtf16(c.typed));
        EXPECT_EQ(codes, c.codes);
        EXPECT_EQ(box->text(), QString::fromUtf16(c.text));
    }
}

TEST_F(KeyBoxFixture, BackspaceIsCodeEightAndCanBeSwallowedOrMadeACharacter)
{
    type(u"abc"_s);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(codes.back(), 8);
    EXPECT_EQ(box->text(), u"ab"_s);

    rule = [](int code) { return code == 8 ? 0 : code; };
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), u"ab"_s);

    rule = [](int code) { return code == 8 ? 'z' : code; };
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), u"abz"_s);
}

TEST_F(KeyBoxFixture, TypedCharacterReplacesTheSelectionAndOtherKeysActNatively)
{
    type(u"abcd"_s);
    codes.clear();
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(box->text(), u"abd"_s);
    box->setSelection(0, 2);
    type(u"X"_s);
    EXPECT_EQ(box->text(), u"Xd"_s);
    EXPECT_EQ(codes, std::vector<int>{'X'});
}

TEST_F(KeyBoxFixture, TextArrivingOtherwiseGoesThroughTheHandlerWithoutLineBreaks)
{
    const QString arriving = u"a\"b\r\nö"_s;
    const struct
    {
        const char *way;
        std::function<void()> deliver;
    } cases[] = {
        {"Ctrl+V", [&] { QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier); }},
        {"Shift+Insert", [&] { QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier); }},
        {"input method",
         [&] {
             QInputMethodEvent event;
             event.setCommitString(arriving);
             QApplication::sendEvent(box, &event);
         }},
        {"drop",
         [&] {
             QMimeData data;
             data.setText(arriving);
             QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(box, &enter);
             QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(box, &drop);
         }},
    };
    rule = [](int code) { return code == '"' ? 0 : code; };
    QGuiApplication::clipboard()->setText(arriving);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.way);
        box->clear();
        codes.clear();
        c.deliver();
        EXPECT_EQ(box->text(), u"abö"_s);
        EXPECT_EQ(codes, (std::vector<int>{'a', '"', 'b', 0xF6}));
    }
}

TEST_F(KeyBoxFixture, ContextMenuPasteGoesThroughTheHandler)
{
    rule = [](int code) { return code == 'b' ? 0 : code; };
    QGuiApplication::clipboard()->setText(u"abc"_s);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction *paste = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text().startsWith(QLineEdit::tr("&Paste")))
            paste = action;
    }
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    EXPECT_EQ(box->text(), u"ac"_s);
    menu->close();
}

TEST(KeyTextBox, WithoutHandlerBehavesAsAPlainBox)
{
    QWidget window;
    auto *box = platform::makeTextBox(&window, u"TSE", {0, 0, 1000, 285}, u"ab");
    window.show();
    QTest::keyClicks(box, u"c\"å"_s);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), u"abc\""_s);
}
