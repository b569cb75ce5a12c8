// "VISA" of the handicap-changes window over 2001 rounds.
#include "benchdir.h"
#include "controls.h"
#include "maxdata.h"

#include "analysis/VEHCPGRA.h"

#include <QPushButton>

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
    setScrollBar(window, "HScroll2", 56);
    setScrollBar(window, "HScroll1", 0);
    setScrollBar(window, "HScroll3", 1990);
    setScrollBar(window, "HScroll4", 2100);
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
