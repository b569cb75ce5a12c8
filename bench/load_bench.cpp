// The one loader on maximum-size files: all four files into a scorecard window's tables,
// as the scorecard loads them, and the guard before a window opens.
#include "maxdata.h"

#include "platform/services.h"
#include "store/guard.h"
#include "store/loading.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Counts messages instead of showing them: a benchmark that shows one measures a failure.
class CountingServices : public platform::Services
{
public:
    void message(const QString &, const QString &, int) override { ++messages; }
    void beep() override {}
    QString today() override { return QStringLiteral("08-24-2004"); }
    void endProgram() override {}

    int messages = 0;
};

// The generated files in a temporary current directory, with messages counted.
class MaxDataFixture : public benchmark::Fixture
{
public:
    void SetUp(const benchmark::State &) override
    {
        m_previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        writeMaxData();
        platform::installServices(&m_services);
    }

    void TearDown(const benchmark::State &) override
    {
        platform::installServices(nullptr);
        QDir::setCurrent(m_previous);
    }

protected:
    void failOnMessage(benchmark::State &state)
    {
        if (m_services.messages != 0)
            state.SkipWithError("the data files gave a message");
    }

private:
    QTemporaryDir m_dir;
    QString m_previous;
    CountingServices m_services;
};

BENCHMARK_DEFINE_F(MaxDataFixture, LoadAllFourFiles)(benchmark::State &state)
{
    const store::LoadPlan plan = store::showingPlan(store::kMaxCourses);
    store::Tables tables; // kept between loads, as a window keeps its own
    for (auto _ : state) {
        const store::LoadResult result = store::load(tables, plan);
        benchmark::DoNotOptimize(result);
    }
    if (store::recordCount(tables.sistaRounds) != 2001)
        state.SkipWithError("not every round was loaded");
    failOnMessage(state);
}

BENCHMARK_DEFINE_F(MaxDataFixture, GuardOfCoursesAndRounds)(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(store::guardAllows(store::GuardFiles::CoursesAndRounds));
    failOnMessage(state);
}

BENCHMARK_REGISTER_F(MaxDataFixture, LoadAllFourFiles)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(MaxDataFixture, GuardOfCoursesAndRounds)->Unit(benchmark::kMicrosecond);

} // namespace
