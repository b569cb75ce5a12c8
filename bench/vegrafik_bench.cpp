// The graphic display on a course that holds all 2001 rounds: "VISA" drawing every round,
// and one repaint of the window with both graphs drawn.
#include "benchdir.h"
#include "controls.h"
#include "maxdata.h"

#include "analysis/VEGRAFIK.h"

#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>

namespace {

class DrawnGraphs
{
public:
    DrawnGraphs()
    {
        writeMaxData(2001, RoundOrder::Ascending, RoundCourses::OneCourse);
        m_window = m_instance.show();
        choose(u"L_Bana", 0);
        choose(u"L_Datfrom", 0);
        choose(u"L_Dattom", 2000);
        // Every handicap: all 2001 rounds are drawn.
        setScrollBar(m_window, "HScroll1", -3);
        m_visa = m_window->findChild<QPushButton *>(QStringLiteral("C_Visa"));
        pressVisa();
        const auto &ops = m_window->displayList().ops();
        const auto bars = std::count_if(ops.begin(), ops.end(), [](const platform::DrawOp &op) {
            return op.kind == platform::DrawKind::Point && op.y == 6000 && op.colour == platform::kBgrRed;
        });
        if (bars != 2001 || !m_dir.recorder().messages.empty())
            std::abort();
    }

    ~DrawnGraphs() { m_window->unload(); }

    void pressVisa() { m_visa->click(); }
    // The whole window painted, controls and surface, as a repaint after uncovering paints it.
    void repaint() { benchmark::DoNotOptimize(m_window->grab()); }

private:
    void choose(QStringView name, int row)
    {
        clickEntry(m_window->findChild<QListWidget *>(name.toString()), row);
    }

    BenchDir m_dir;
    platform::Instance<VEGRAFIK, VEGRAFIK::State> m_instance;
    VEGRAFIK *m_window = nullptr;
    QPushButton *m_visa = nullptr;
};

void BM_GraphicVisa(benchmark::State &state)
{
    DrawnGraphs graphs;
    for (auto _ : state)
        graphs.pressVisa();
}
BENCHMARK(BM_GraphicVisa)->Unit(benchmark::kMillisecond);

void BM_GraphicRepaint(benchmark::State &state)
{
    DrawnGraphs graphs;
    for (auto _ : state)
        graphs.repaint();
}
BENCHMARK(BM_GraphicRepaint)->Unit(benchmark::kMillisecond);

} // namespace
