// The scorecard's two clicks on a course that holds all 2001 rounds.
#include "benchdir.h"
#include "controls.h"
#include "maxdata.h"

#include "scorecard/VISKORT.h"

#include <QListWidget>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// The scorecard window open on the generated files, its course chosen.
class OpenScorecard
{
public:
    OpenScorecard()
    {
        writeMaxData(2001, RoundOrder::Ascending, RoundCourses::OneCourse);
        m_window = m_instance.show();
        m_courses = m_window->findChild<QListWidget *>(QStringLiteral("L_Bana"));
        m_dates = m_window->findChild<QListWidget *>(QStringLiteral("L_Dat"));
        clickCourse();
        if (m_dates->count() != 2001)
            std::abort();
    }

    ~OpenScorecard() { m_window->unload(); }

    void clickCourse() { clickEntry(m_courses, 0); }
    // The latest round: the lookup scans every row before it.
    void clickLastDate() { clickEntry(m_dates, m_dates->count() - 1); }

private:
    BenchDir m_dir;
    platform::Instance<VISKORT, VISKORT::State> m_instance;
    VISKORT *m_window = nullptr;
    QListWidget *m_courses = nullptr;
    QListWidget *m_dates = nullptr;
};

void BM_ScorecardCourseClick(benchmark::State &state)
{
    OpenScorecard card;
    for (auto _ : state)
        card.clickCourse();
}
BENCHMARK(BM_ScorecardCourseClick)->Unit(benchmark::kMillisecond);

void BM_ScorecardDateClick(benchmark::State &state)
{
    OpenScorecard card;
    for (auto _ : state)
        card.clickLastDate();
}
BENCHMARK(BM_ScorecardDateClick)->Unit(benchmark::kMillisecond);

} // namespace
