#include "platform/controls.h"
#include "platform/geometry.h"
#include "platform/keytextbox.h"
#include "platform/listbox.h"
#include "platform/optionbutton.h"
#include "platform/windowkit.h"

#include "kit/pixels.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

struct FocusCase
{
    const char *kind;
    std::function<QWidget *(QWidget *window)> make; // as the windows make it, at their sizes
};

void PrintTo(const FocusCase &c, std::ostream *os)
{
    *os << c.kind;
}

class FocusFrame : public testing::TestWithParam<FocusCase>
{
};

} // namespace

// A focused control is framed in blue, two pixels wide round its edge; an unfocused one shows
// no such blue, whatever the window's colour. (The bars' frame and thumb: valuebar_test.)
TEST_P(FocusFrame, ShowsPlainlyOnEveryWindowColour)
{
    for (const QColor &colour : kWindowColours) {
        SCOPED_TRACE(colour.name().toStdString());
        QWidget window;
        platform::applyLook(&window,
                            {.back = platform::fixed(colour), .text = platform::fixed(platform::kWhite)});
        window.resize(300, 80);
        QWidget *control = GetParam().make(&window);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        control->clearFocus();
        EXPECT_EQ(pixelsOf(control, isFocusBlue), 0);
        control->setFocus();
        ASSERT_TRUE(control->hasFocus());
        // The frame lies inside the edge, inset by the button's own edge.
        const int inset = qobject_cast<QPushButton *>(control) ? 2 : 0;
        const int frame = 4 * (control->width() + control->height() - 4 * inset) - 16;
        EXPECT_GE(pixelsOf(control, isFocusBlue), frame);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Controls, FocusFrame,
    testing::Values(
        FocusCase{"button",
                  [](QWidget *w) {
                      return platform::makeButton(w, u"Command1", {120, 120, 1815, 495}, u"Avbryt");
                  }},
        FocusCase{"option",
                  [](QWidget *w) {
                      return platform::makeOptionButton(w, u"Option1", {120, 120, 255, 255}, u"Option1");
                  }},
        FocusCase{"tall_option",
                  [](QWidget *w) {
                      return platform::makeOptionButton(w, u"Option1", {120, 120, 255, 375}, u"Option1");
                  }},
        FocusCase{"text_box",
                  [](QWidget *w) {
                      auto *box = platform::makeTextBox(w, u"DD", {120, 120, 615, 240}, u"24");
                      platform::applyLook(
                          box, {.back = platform::fixed(platform::kWhite), .text = platform::kBlack});
                      return box;
                  }},
        FocusCase{"list",
                  [](QWidget *w) {
                      auto *list = platform::makeListBox(w, u"L_Bana", {120, 120, 4095, 810});
                      list->addItems({u"Ekbacken"_s, u"Rezeve"_s});
                      return list;
                  }},
        FocusCase{"plain_text_box",
                  [](QWidget *w) {
                      return platform::makeTextBox(w, u"RB_Namn", {120, 120, 3855, 285});
                  }}),
    [](const auto &info) { return std::string(info.param.kind); });
