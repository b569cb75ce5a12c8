// The deletion window on maximum-size files: "Utför Borttag" in course mode, which reads all
// four files, deletes a course and its rounds and saves the four files as a set; beside it a
// plain write, flush to disk and rename of the same four contents, the least any save costs.
#include "benchdir.h"
#include "maxdata.h"

#include "maintenance/TABORT.h"
#include "store/format.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using Contents = std::vector<std::pair<QString, QByteArray>>;

Contents dataFiles()
{
    Contents contents;
    for (const store::DataFile file : store::kAllFiles) {
        QFile data(store::fileName(file));
        if (!data.open(QIODevice::ReadOnly))
            std::abort();
        contents.emplace_back(store::fileName(file), data.readAll());
    }
    return contents;
}

void restore(const Contents &contents)
{
    for (const auto &[name, bytes] : contents) {
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            std::abort();
    }
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
        click(form, "Option1");
        form->findChild<QScrollBar *>(QStringLiteral("VScroll1"))->setValue(1);
    }

    void pressDelete() { click(m_instance.form(), "Command2"); }

    // The files as before the deletion, and the closed window deleted.
    void reset()
    {
        if (m_instance.isOpen() || m_dir.messages() != 0)
            std::abort(); // the deletion must close the window silently
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        restore(m_stored);
    }

private:
    static void click(TABORT *form, const char *name)
    {
        form->findChild<QAbstractButton *>(QString::fromLatin1(name))->click();
    }

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

// Each file written to a temporary file, flushed to disk, renamed over the old one.
void writeFlushRename(const Contents &contents)
{
    for (const auto &[name, bytes] : contents) {
        QFile file(name + QStringLiteral(".tmp"));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
            ::fsync(file.handle()) != 0)
            std::abort();
        file.close();
        if (std::rename(QFile::encodeName(file.fileName()).constData(),
                        QFile::encodeName(name).constData()) != 0)
            std::abort();
    }
}

void BM_PlainWriteFlushRenameOfTheSameFourFiles(benchmark::State &state)
{
    DeletionWindow window;
    window.chooseCourse();
    window.pressDelete();
    const Contents deleted = dataFiles();
    for (auto _ : state)
        writeFlushRename(deleted);
}
BENCHMARK(BM_PlainWriteFlushRenameOfTheSameFourFiles)->Unit(benchmark::kMillisecond);

} // namespace
