#include "kit/datafiles.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Gives every test the C locale and a fresh temporary directory as its current directory.
class CoreTestEnvironment : public testing::EmptyTestEventListener
{
public:
    void OnTestStart(const testing::TestInfo &) override
    {
        QLocale::setDefault(QLocale::c());
        m_dir = std::make_unique<ScopedDataDir>();
    }
    void OnTestEnd(const testing::TestInfo &) override { m_dir.reset(); }

private:
    std::unique_ptr<ScopedDataDir> m_dir;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new CoreTestEnvironment);
    return RUN_ALL_TESTS();
}
