#include "platform/services.h"

#include "kit/testenv.h"

#include <QCloseEvent>
#include <QDate>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Services, CallsReachTheInstalledServices)
{
    platform::message(u"Du har ingen bana registrerad!"_s, u"Information"_s, platform::kStyleOkOnly);
    platform::beep();
    platform::endProgram();
    EXPECT_EQ(recorder().messages,
              (std::vector<RecordedMessage>{{u"Du har ingen bana registrerad!"_s, u"Information"_s, 0}}));
    EXPECT_EQ(recorder().beeps, 1);
    EXPECT_EQ(recorder().ends, 1);
    EXPECT_EQ(platform::today(), u"08-24-2004"_s);
}

TEST(Services, DesktopTodayIsMonthDayYear)
{
    platform::installServices(nullptr);
    const QString today = platform::today();
    platform::installServices(&recorder());
    const QDate date = QDate::currentDate();
    EXPECT_EQ(today, u"%1-%2-%3"_s.arg(date.month(), 2, 10, QChar(u'0'))
                         .arg(date.day(), 2, 10, QChar(u'0'))
                         .arg(date.year()));
}

// Ending leaves the event loop with code 0 and asks no window to close, so none can refuse.
// (It also ends every later event loop of this process: CTest runs this test alone.)
TEST(Services, DesktopEndLeavesTheEventLoopWithoutClosingAnyWindow)
{
    struct Refusing : QWidget
    {
        int closings = 0;
        void closeEvent(QCloseEvent *event) override
        {
            ++closings;
            event->ignore();
        }
    } window;
    window.show();
    platform::installServices(nullptr);
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [] { platform::endProgram(); });
    QTimer::singleShot(5000, &loop, [&] { loop.exit(1); });
    const int code = loop.exec();
    platform::installServices(&recorder());
    EXPECT_EQ(code, 0);
    EXPECT_EQ(window.closings, 0);
    EXPECT_TRUE(window.isVisible());
}
