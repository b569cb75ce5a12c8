#include "platform/controls.h"
#include "platform/form.h"

#include "kit/gui.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct ProbeState
{
    int loads = 0;
    bool unloadAtLoad = false;
};

// A window with one bar at its designed value 1; its load counts itself.
class Probe : public platform::Form
{
public:
    explicit Probe(ProbeState &state) : Form(u"PROBE", u"PROBE CAPTION", 8655, 4770), m_state(state)
    {
        platform::makeValueBar(this, u"HScroll1", Qt::Horizontal, {120, 120, 1935, 255}, 1, 18, 1);
    }

protected:
    void formLoad() override
    {
        ++m_state.loads;
        if (m_state.unloadAtLoad)
            unload();
    }

private:
    ProbeState &m_state;
};

} // namespace

TEST(Form, IsNamedCaptionedAndSizedFromTwips)
{
    platform::Instance<Probe, ProbeState> instance;
    Probe *probe = instance.show();
    EXPECT_EQ(probe->objectName(), u"PROBE"_s);
    EXPECT_EQ(probe->windowTitle(), u"PROBE CAPTION"_s);
    EXPECT_EQ(probe->size(), QSize(577, 318));
    EXPECT_TRUE(probe->font().bold());
    EXPECT_EQ(openWindow(u"PROBE"_s), probe);
}

TEST(Form, ShowingAnOpenWindowRaisesItWithoutLoadingAgain)
{
    platform::Instance<Probe, ProbeState> instance;
    Probe *first = instance.show();
    Probe *second = instance.show();
    EXPECT_EQ(first, second);
    EXPECT_EQ(instance.state().loads, 1);
    EXPECT_TRUE(instance.isOpen());
}

TEST(Form, ClosingByTheFrameUnloadsAndTheNextShowStartsAfresh)
{
    platform::Instance<Probe, ProbeState> instance;
    QPointer<Probe> first = instance.show();
    setBar(first, u"HScroll1"_s, 7);
    first->close(); // as the frame's close button does
    EXPECT_FALSE(instance.isOpen());
    EXPECT_EQ(instance.form(), nullptr);
    EXPECT_EQ(openWindow(u"PROBE"_s), nullptr);
    settle();
    EXPECT_TRUE(first.isNull());

    Probe *second = instance.show();
    EXPECT_EQ(instance.state().loads, 2);
    EXPECT_EQ(barValue(second, u"HScroll1"_s), 1);
}

TEST(Form, LoadThatUnloadsTheWindowNeverShowsIt)
{
    platform::Instance<Probe, ProbeState> instance;
    instance.state().unloadAtLoad = true;
    Probe *probe = instance.show();
    EXPECT_FALSE(probe->isVisible());
    EXPECT_FALSE(instance.isOpen());
    instance.state().unloadAtLoad = false;
    instance.show();
    EXPECT_EQ(instance.state().loads, 2);
    EXPECT_TRUE(instance.isOpen());
}

// A window opens wholly on the screen's available area: where it would be cut off at the
// bottom or the right it moves up or left just far enough; one that fits stays where it is.
TEST(Form, OpensWhollyOnTheScreen)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    ProbeState state;
    struct Case
    {
        QPoint at; // where the desktop would put it, from the area's top-left corner
        bool left; // moved left to the area's right edge
        bool up;   // moved up to its bottom edge
    } const cases[] = {
        {{40, 30}, false, false},
        {{area.width() - 100, 30}, true, false},
        {{40, area.height() - 50}, false, true},
        {{area.width() - 10, area.height() - 10}, true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.at.x() << "," << c.at.y());
        auto window = std::make_unique<Probe>(state);
        window->move(area.topLeft() + c.at);
        window->loadAndShow();
        const QRect frame = window->frameGeometry();
        EXPECT_TRUE(area.contains(frame));
        EXPECT_EQ(c.left ? frame.right() : frame.left(), c.left ? area.right() : area.left() + c.at.x());
        EXPECT_EQ(c.up ? frame.bottom() : frame.top(), c.up ? area.bottom() : area.top() + c.at.y());
    }
}
