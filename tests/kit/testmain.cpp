#include "kit/datafiles.h"
#include "kit/gui.h"
#include "kit/testenv.h"

#include <QApplication>
#include <QLocale>
#include <QPointer>

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<Recorder> g_recorder;

// Gives every test the C locale, a fresh directory and recorder, and leaves no window
// behind it (and so no window instance), so that the tests of a program share a process.
class TestEnvironment : public testing::EmptyTestEventListener
{
public:
    void OnTestStart(const testing::TestInfo &) override
    {
        QLocale::setDefault(QLocale::c());
        m_dir = std::make_unique<ScopedDataDir>();
        g_recorder = std::make_unique<Recorder>();
    }

    void OnTestEnd(const testing::TestInfo &) override
    {
        deleteTestMainWindow();
        closeAllWindows();
        g_recorder.reset();
        m_dir.reset();
    }

private:
    static void closeAllWindows()
    {
        QList<QPointer<QWidget>> windows;
        for (QWidget *window : QApplication::topLevelWidgets())
            windows.append(window);
        for (const QPointer<QWidget> &window : windows) {
            if (window)
                window->close();
        }
        settle();
        for (const QPointer<QWidget> &window : windows)
            delete window.data();
        settle();
    }

    std::unique_ptr<ScopedDataDir> m_dir;
};

} // namespace

Recorder &recorder()
{
    Q_ASSERT(g_recorder);
    return *g_recorder;
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new TestEnvironment);
    return RUN_ALL_TESTS();
}
