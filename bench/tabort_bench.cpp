// The deletion window on maximum-size files: "Utför Borttag" in course mode, which reads all
// four files, deletes a course with its rounds and saves the four files as one set. Beside
// it the baseline: a plain write, flush to disk and rename of the same four contents.
#include "benchdir.h"
#include "benchfiles.h"
#include "controls.h"
#include "maxdata.h"

#include "maintenance/TABORT.h"
#include "store/format.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <utility>
#include <vector>

namespace {

using Contents = std::vector<std::pair<QString, QByteArray>>;

Contents dataFiles()
{
    Contents contents;
    for (const store::DataFile file : store::kAllFiles)
        contents.emplace_back(store::fileName(file), contentOf(store::fileName(file)));
    return contents;
}

class DeletionWindow
{
public:
    DeletionWindow()
    {
        writeMaxData();
        m_stored = dataFiles();
    }

    // Course mode on the course of row 1 (20 of the 2001 rounds are played on it).
    void chooseCourse()
    {
        TABORT *form = m_instance.show();
        clickButton(form, "Option1");
        setScrollBar(form, "VScroll1", 1);
    }

    void pressDelete() { clickButton(m_instance.form(), "Command2"); }

    // The files as before the deletion, and the closed window deleted.
    void reset()
    {
        if (m_instance.isOpen() || !m_dir.recorder().messages.empty())
            std::abort(); // the deletion closes the window and says nothing
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const auto &[name, bytes] : m_stored)
            restore(name, bytes);
    }

private:
    BenchDir m_dir;
    Contents m_stored;
    platform::Instance<TABORT, TABORT::State> m_instance;
};

void BM_DeletionOfACourse(benchmark::State &state)
{
    DeletionWindow window;
    for (auto _ : state) {
        state.PauseTiming();
        window.chooseCourse();
        state.ResumeTiming();
        window.pressDelete();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeletionOfACourse)->Unit(benchmark::kMillisecond);

void BM_PlainWriteFlushRenameOfTheFourFilesOfADeletion(benchmark::State &state)
{
    DeletionWindow window;
    window.chooseCourse();
    window.pressDelete();
    const Contents deleted = dataFiles();
    for (auto _ : state)
        for (const auto &[name, bytes] : deleted)
            writeFlushRename(name, bytes);
}
BENCHMARK(BM_PlainWriteFlushRenameOfTheFourFilesOfADeletion)->Unit(benchmark::kMillisecond);

} // namespace
