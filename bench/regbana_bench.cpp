// The course register on a file of 101 courses: opening it, and saving a changed course.
#include "benchdir.h"
#include "controls.h"
#include "maxdata.h"

#include "registration/REGBANA.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

class CourseRegister
{
public:
    CourseRegister() { writeMaxData(0); }

    REGBANA *open() { return m_instance.show(); }

    // Closes the window and lets Qt delete it, so every showing starts from a fresh one.
    void close()
    {
        if (REGBANA *form = m_instance.form())
            form->unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // From the name step to the hole step of course 0, its metres on hole 1 set.
    void startChangeOfFirstCourse(int metres)
    {
        REGBANA *form = open();
        clickButton(form, "RB_NAMNKLAR"); // nothing chosen yet: the chooser
        clickButton(form, "Option1");
        clickButton(form, "RB_NAMNKLAR");
        setScrollBar(form, "HScroll2", metres);
    }

    void save() { clickButton(m_instance.form(), "RB_KLAR"); }
    bool isOpen() const { return m_instance.isOpen(); }

private:
    BenchDir m_dir;
    platform::Instance<REGBANA, REGBANA::State> m_instance;
};

void BM_CourseRegisterOpen(benchmark::State &state)
{
    CourseRegister reg;
    for (auto _ : state) {
        reg.open();
        state.PauseTiming();
        reg.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CourseRegisterOpen)->Unit(benchmark::kMillisecond);

void BM_CourseRegisterSaveChange(benchmark::State &state)
{
    CourseRegister reg;
    int metres = 100;
    for (auto _ : state) {
        state.PauseTiming();
        reg.startChangeOfFirstCourse(metres);
        metres = metres == 100 ? 200 : 100;
        state.ResumeTiming();
        reg.save();
        state.PauseTiming();
        if (reg.isOpen())
            std::abort();
        reg.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CourseRegisterSaveChange)->Unit(benchmark::kMillisecond);

} // namespace
