#include "store/writing.h"

#include "store/format.h"
#include "store/items.h"

#include <algorithm>
#include <numeric>

namespace store {

namespace {

int rowsToWrite(std::size_t tableRows, int count)
{
    return std::clamp(count, 0, int(tableRows));
}

} // namespace

QByteArray emptyDataFile(LineOneForm form)
{
    ItemWriter writer;
    if (form == LineOneForm::Number)
        writer.number(-1);
    else
        writer.text(u"-1");
    return writer.bytes();
}

QByteArray courseFileBytes(const std::vector<CourseRow> &bantabell, int count)
{
    const int rows = rowsToWrite(bantabell.size(), count);
    ItemWriter writer;
    writer.number(rows - 1);
    for (int r = 0; r < rows; ++r) {
        const CourseRow &row = bantabell[std::size_t(r)];
        // The name and the hole count, then three cells a hole.
        const int cells = metresCell(1) + 3 * holesOf(row[kCourseAntalHal]);
        for (int c = 0; c < cells; ++c)
            writer.text(row[std::size_t(c)]);
    }
    return writer.bytes();
}

RoundFileBytes roundFileBytes(const Tables &tables, int count)
{
    const std::size_t shortest =
        std::min({tables.rundtabell.size(), tables.slagtabell.size(), tables.utokad_tabell.size()});
    std::vector<int> rows(std::size_t(rowsToWrite(shortest, count)));
    std::iota(rows.begin(), rows.end(), 0);
    return roundFileBytes(tables, rows);
}

RoundFileBytes roundFileBytes(const Tables &tables, std::span<const int> rows)
{
    const qsizetype count = qsizetype(rows.size());
    ItemWriter rounds;
    ItemWriter strokes;
    ItemWriter extended;
    // Room for an 18-hole round in each file, so the contents grow without copying.
    rounds.reserve((count + 1) * 120);
    strokes.reserve((count + 1) * 18 * 6);
    extended.reserve((count + 1) * 115);
    rounds.number(count - 1);
    strokes.number(count - 1);
    extended.number(count - 1);
    for (const int r : rows) {
        const RoundRow &round = tables.rundtabell[std::size_t(r)];
        for (const QString &cell : round)
            rounds.text(cell);
        const StrokeRow &strokeRow = tables.slagtabell[std::size_t(r)];
        const int holes = holesOf(round[kAntalHal]);
        for (int h = 0; h < holes; ++h)
            strokes.held(strokeRow[std::size_t(h)]);
        extended.text(tables.utokad_tabell[std::size_t(r)]);
    }
    return {rounds.bytes(), strokes.bytes(), extended.bytes()};
}

FileChange roundFilesChange(RoundFileBytes bytes)
{
    return {.files = {{fileName(DataFile::Rounds), std::move(bytes.rounds)},
                      {fileName(DataFile::Strokes), std::move(bytes.strokes)},
                      {fileName(DataFile::Extended), std::move(bytes.extended)}}};
}

} // namespace store
