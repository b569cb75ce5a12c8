// "VISA" of the handicap-changes window over 2001 rounds.
#include "benchdir.h"
#include "maxdata.h"

#include "analysis/VEHCPGRA.h"

#include <QPushButton>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void BM_HandicapGraphVisa(benchmark::State &state)
{
    BenchDir dir;
    writeMaxData();
    platform::Instance<VEHCPGRA, VEHCPGRA::State> instance;
    VEHCPGRA *window = instance.show();
    // The widest ranges: every round is scanned and compared.
    window->findChild<QScrollBar *>(QStringLiteral("HScroll2"))->setValue(56);
    window->findChild<QScrollBar *>(QStringLiteral("HScroll1"))->setValue(0);
    window->findChild<QScrollBar *>(QStringLiteral("HScroll3"))->setValue(1990);
    window->findChild<QScrollBar *>(QStringLiteral("HScroll4"))->setValue(2100);
    QPushButton *visa = window->findChild<QPushButton *>(QStringLiteral("Command1"));
    visa->click();
    if (!dir.recorder().messages.empty() || window->displayList().ops().size() < 25 * 12)
        std::abort();
    for (auto _ : state)
        visa->click();
    window->unload();
}
BENCHMARK(BM_HandicapGraphVisa)->Unit(benchmark::kMillisecond);

} // namespace
