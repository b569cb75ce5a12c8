// The report window's course click on a course that holds all 2001 rounds.
#include "benchdir.h"
#include "controls.h"
#include "maxdata.h"

#include "maintenance/SKAPAFIL.h"
#include "maintenance/report.h"
#include "maintenance/reportfile.h"
#include "store/loading.h"

#include <QDir>
#include <QListWidget>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// The report window open on the generated files, one report written.
class OpenReportWindow
{
public:
    OpenReportWindow()
    {
        writeMaxData(2001, RoundOrder::Ascending, RoundCourses::OneCourse);
        m_window = m_instance.show();
        m_courses = m_window->findChild<QListWidget *>(QStringLiteral("L_Bana"));
        clickCourse();
        // One message: the name of the report written.
        if (m_dir.recorder().messages.size() != 1 || QDir::current().entryList(QDir::Files).size() != 5)
            std::abort();
    }

    ~OpenReportWindow() { m_window->unload(); }

    // The same course again keeps the years: every click writes the same report anew.
    void clickCourse() { clickEntry(m_courses, 0); }

private:
    BenchDir m_dir;
    platform::Instance<SKAPAFIL, SKAPAFIL::State> m_instance;
    SKAPAFIL *m_window = nullptr;
    QListWidget *m_courses = nullptr;
};

void BM_ReportOver2001Rounds(benchmark::State &state)
{
    OpenReportWindow window;
    for (auto _ : state)
        window.clickCourse();
}
BENCHMARK(BM_ReportOver2001Rounds)->Unit(benchmark::kMillisecond);

// The click's work before the save: the rounds taken, tallied and averaged, and the file's bytes.
void BM_ReportBytesOver2001Rounds(benchmark::State &state)
{
    BenchDir dir;
    writeMaxData(2001, RoundOrder::Ascending, RoundCourses::OneCourse);
    store::Tables tables;
    if (!store::load(tables, store::showingPlan(111)).complete)
        std::abort();
    const QString course = maxDataCourseName(0);
    const QString from = QStringLiteral(" 2000");
    const QString to = QStringLiteral(" 3000");
    if (maintenance::makeReport(tables, {course, 0, 2000, 3000}, {}).roundCount() != 2001)
        std::abort();
    for (auto _ : state) {
        const maintenance::Report made = maintenance::makeReport(tables, {course, 0, 2000, 3000}, {});
        benchmark::DoNotOptimize(
            maintenance::reportFileBytes(made, course, from, to, QStringLiteral("08-24-2004")));
    }
}
BENCHMARK(BM_ReportBytesOver2001Rounds)->Unit(benchmark::kMillisecond);

} // namespace
