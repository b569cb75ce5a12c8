// "ANALYS" over all 2001 rounds of one 18-hole course, every round at level FULL.
#include "benchdir.h"
#include "controls.h"
#include "maxdata.h"

#include "analysis/VE_ANALY.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void BM_AnalysisOfAllRounds(benchmark::State &state)
{
    BenchDir dir;
    writeMaxData(2001, RoundOrder::Ascending, RoundCourses::OneCourse);
    platform::Instance<VE_ANALY, VE_ANALY::State> instance;
    VE_ANALY *window = instance.show();
    auto *courses = window->findChild<QListWidget *>(QStringLiteral("ve_ban"));
    auto *from = window->findChild<QListWidget *>(QStringLiteral("l_dat1"));
    auto *to = window->findChild<QListWidget *>(QStringLiteral("l_dat2"));
    auto *analyse = window->findChild<QPushButton *>(QStringLiteral("Command1"));
    clickEntry(courses, 0);
    from->setCurrentRow(0);
    to->setCurrentRow(to->count() - 1);
    analyse->click();
    if (to->count() != 2001 || window->findChild<QLabel *>(QStringLiteral("tot_rund"))->text() != u"2001" ||
        !dir.recorder().messages.empty())
        std::abort();
    for (auto _ : state)
        analyse->click();
    window->unload();
}
BENCHMARK(BM_AnalysisOfAllRounds)->Unit(benchmark::kMillisecond);

} // namespace
