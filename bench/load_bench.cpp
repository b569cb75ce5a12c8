// The one loader on maximum-size files: all four files into a scorecard window's tables,
// as the scorecard loads them, and the guard before a window opens.
#include "benchdir.h"
#include "maxdata.h"

#include "store/guard.h"
#include "store/loading.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The generated files in a temporary current directory, with messages counted.
class MaxDataFixture : public benchmark::Fixture
{
public:
    void SetUp(const benchmark::State &) override
    {
        m_dir = std::make_unique<BenchDir>();
        writeMaxData();
    }

    void TearDown(const benchmark::State &) override { m_dir.reset(); }

protected:
    void failOnMessage(benchmark::State &state)
    {
        if (m_dir->messages() != 0)
            state.SkipWithError("the data files gave a message");
    }

private:
    std::unique_ptr<BenchDir> m_dir;
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
