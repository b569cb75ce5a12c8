// Feeds arbitrary bytes to the item reader and to the loader as one of the four data
// files (the first byte picks which); the other three are the worked example. Reading
// must never go out of bounds, a held cell written back must read as the same item, and
// the counts the loader keeps must fit its tables.
#include "kit/example.h"
#include "kit/memoryfiles.h"
#include "store/loading.h"
#include "store/numbers.h"
#include "store/writing.h"

#include <QByteArray>
#include <QMap>

#include <cstdint>
#include <cstdlib>

namespace {

// The loader's files: the worked example, one of them replaced by each run's bytes.
MemoryFiles &files()
{
    static MemoryFiles files;
    return files;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void readItems(const QByteArray &bytes)
{
    store::ItemReader texts(bytes);
    QString text;
    while (texts.readText(text))
        (void)store::numberText(store::numericValue(text));
    store::ItemReader held(bytes);
    while (const std::optional<store::Held> item = held.nextHeld()) {
        (void)store::sistaIndexOf(*item);
        // A cell written back reads as the same item, unless its line is too long to be read.
        store::ItemWriter writer;
        writer.held(*item);
        if (store::readableWhole(writer.bytes())) {
            const std::optional<store::Held> back = store::ItemReader(writer.bytes()).nextHeld();
            check(back && back->form == item->form &&
                  store::numericValue(back->text) == store::numericValue(item->text));
        }
    }
}

void loadAndWriteBack(const QString &name, const QByteArray &bytes)
{
    static const QMap<QString, QByteArray> example = ekbackenFiles();
    files().files = example;
    files().files[name] = bytes;
    files().asked.clear();
    const store::LoadPlan plan{.courses = store::WhenEmpty::MessageContinue,
                               .rounds = store::WhenEmpty::MessageContinue,
                               .strokes = store::WhenEmpty::MessageContinue,
                               .extended = store::WhenEmpty::MessageContinue};
    // One set of tables for every run, as a window keeps its own, emptied in place so that
    // each run starts alike without the cost of allocating them again.
    static store::Tables tables;
    tables.bantabell.clear();
    tables.rundtabell.clear();
    tables.slagtabell.clear();
    tables.utokad_tabell.clear();
    tables.sistaCourses = tables.sistaRounds = tables.sistaStrokes = tables.sistaExtended = store::Held{};
    store::load(tables, plan);

    const int courses = store::recordCount(tables.sistaCourses);
    check(std::size_t(courses) <= tables.bantabell.size());
    const int rounds = store::recordCount(tables.sistaRounds);
    check(std::size_t(rounds) <= tables.rundtabell.size());
    check(std::size_t(store::recordCount(tables.sistaStrokes)) <= tables.slagtabell.size());
    check(std::size_t(store::recordCount(tables.sistaExtended)) <= tables.utokad_tabell.size());
    (void)store::banlista(tables.bantabell);
    (void)store::courseFileBytes(tables.bantabell, courses);
    (void)store::roundFileBytes(tables, rounds);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QString name = store::fileName(store::kAllFiles[data[0] % 4]);
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    readItems(bytes);
    loadAndWriteBack(name, bytes);
    return 0;
}
