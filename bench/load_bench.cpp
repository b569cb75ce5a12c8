// The one loader on maximum-size files: all four files into a scorecard window's tables,
// as the scorecard loads them, and the guard before a window opens.
#include "benchdir.h"
#include "maxdata.h"

#include "store/guard.h"
#include "store/loading.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The generated files in a temporary current directory.
class MaxDataFixture : public benchmark::Fixture
{
public:
    void SetUp(const benchmark::State &) override
    {
        m_dir = std::make_unique<BenchDir>();
        writeMaxData();
    }

    void TearDown(const benchmark::State &) override { m_dir.reset(); }

private:
    std::unique_ptr<BenchDir> m_dir;
};

BENCHMARK_DEFINE_F(MaxDataFixture, LoadAllFourFiles)(benchmark::State &state)
{
    const store::LoadPlan plan = store::showingPlan(store::kMaxCourses);
    store::Tables tables; // kept between loads, as a window keeps its own
    bool told = false;
    for (auto _ : state) {
        const store::LoadResult result = store::load(tables, plan);
        told = told || !result.toTell.empty();
        benchmark::DoNotOptimize(result);
    }
    if (store::recordCount(tables.sistaRounds) != 2001)
        state.SkipWithError("not every round was loaded");
    if (told)
        state.SkipWithError("the data files gave a message");
}

BENCHMARK_DEFINE_F(MaxDataFixture, GuardOfCoursesAndRounds)(benchmark::State &state)
{
    bool refused = false;
    for (auto _ : state) {
        const std::optional<store::FileStatus> refusal = store::guard(store::GuardFiles::CoursesAndRounds);
        refused = refused || refusal.has_value();
        benchmark::DoNotOptimize(refusal);
    }
    if (refused)
        state.SkipWithError("the guard refused");
}

BENCHMARK_REGISTER_F(MaxDataFixture, LoadAllFourFiles)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(MaxDataFixture, GuardOfCoursesAndRounds)->Unit(benchmark::kMicrosecond);

} // namespace
