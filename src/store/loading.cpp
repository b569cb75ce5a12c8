#include "store/loading.h"

#include "store/filesystem.h"
#include "store/numbers.h"

#include <algorithm>
#include <cmath>

namespace store {

namespace {

template <class Row> void growTo(std::vector<Row> &table, std::size_t rows)
{
    if (table.size() < rows)
        table.resize(rows);
}

void emptyCourseTable(Tables &tables, int courseRows)
{
    growTo(tables.bantabell, std::size_t(std::max(courseRows, 0)));
    for (CourseRow &row : tables.bantabell)
        for (QString &cell : row)
            cell.resize(0); // keeps the cell's buffer for the next read
}

// Line 1 and the records after it. The record reader reads record r into row r (the
// table already holds the row) and returns false when the file ends inside it or the
// record is too long. A damaged file keeps the records read whole; sista_index then
// counts only those, so no window looks at a record that is not there.
template <class Table, class ReadRecord>
LoadStatus readRecords(ItemReader &reader, Held &sista, Table &table, ReadRecord readRecord)
{
    const std::optional<Held> lineOne = reader.nextHeld();
    const std::optional<int> last = lineOne ? sistaIndexOf(*lineOne) : std::nullopt;
    // Below -1 no file says: what followed it is not to be lost by a save.
    if (!last || *last < -1) {
        sista = Held::fromNumber(QStringLiteral("-1"));
        return LoadStatus::Damaged;
    }
    sista = *lineOne;
    if (*last == -1)
        return LoadStatus::Empty;
    for (int r = 0; r <= *last; ++r) {
        growTo(table, std::size_t(r) + 1);
        if (!readRecord(r)) {
            sista = Held::fromNumber(QString::number(r - 1));
            return LoadStatus::Damaged;
        }
    }
    return LoadStatus::Ok;
}

bool readTexts(ItemReader &reader, QString *cells, int count)
{
    for (int c = 0; c < count; ++c)
        if (!reader.readText(cells[c]))
            return false;
    return true;
}

} // namespace

LoadStatus readCourses(const QByteArray &bytes, Tables &tables, int courseRows)
{
    emptyCourseTable(tables, courseRows);
    ItemReader reader(bytes);
    return readRecords(reader, tables.sistaCourses, tables.bantabell, [&](int r) {
        CourseRow &row = tables.bantabell[std::size_t(r)];
        const QString &antalHal = row[kCourseAntalHal];
        // The name and the hole count, then three cells a hole from hole 1's metres.
        const bool whole = readTexts(reader, &row[kCourseBannamn], 2) && !tooManyHoles(antalHal) &&
                           readTexts(reader, &row[metresCell(1)], 3 * holesOf(antalHal));
        if (!whole)
            row.fill(QString()); // a course read in part is no course
        return whole;
    });
}

LoadStatus readRounds(const QByteArray &bytes, Tables &tables)
{
    growTo(tables.rundtabell, kMaxRounds);
    ItemReader reader(bytes);
    return readRecords(reader, tables.sistaRounds, tables.rundtabell, [&](int r) {
        return readTexts(reader, tables.rundtabell[std::size_t(r)].data(), kRoundCells);
    });
}

LoadStatus readStrokes(const QByteArray &bytes, Tables &tables)
{
    growTo(tables.slagtabell, kMaxRounds);
    // A round row past what the round file held is empty, whatever an earlier load left.
    const int rounds = heldRounds(tables);
    static const QString kNoRound;
    ItemReader reader(bytes);
    return readRecords(reader, tables.sistaStrokes, tables.slagtabell, [&](int r) {
        // A stroke record takes its length from the round at its place: with no round row
        // there the file holds more records than the rounds can, and a line 1 that claims
        // millions of empty records must not grow the table without end.
        const std::size_t row = std::size_t(r);
        if (row >= tables.rundtabell.size())
            return false;
        const QString &antalHal = r < rounds ? tables.rundtabell[row][kAntalHal] : kNoRound;
        if (tooManyHoles(antalHal))
            return false;
        const int holes = holesOf(antalHal);
        StrokeRow &strokes = tables.slagtabell[row];
        for (int h = 0; h < kMaxHoles; ++h) {
            Held &cell = strokes[std::size_t(h)];
            if (h >= holes)
                cell = Held{};
            else if (!reader.readHeld(cell))
                return false;
        }
        return true;
    });
}

LoadStatus readExtended(const QByteArray &bytes, Tables &tables)
{
    growTo(tables.utokad_tabell, kMaxRounds);
    ItemReader reader(bytes);
    return readRecords(reader, tables.sistaExtended, tables.utokad_tabell,
                       [&](int r) { return readTexts(reader, &tables.utokad_tabell[std::size_t(r)], 1); });
}

namespace {

WhenEmpty planFor(const LoadPlan &plan, DataFile file)
{
    const WhenEmpty plans[] = {plan.courses, plan.rounds, plan.strokes, plan.extended};
    return plans[int(file)];
}

Held &sistaOf(Tables &tables, DataFile file)
{
    Held *const counts[] = {&tables.sistaCourses, &tables.sistaRounds, &tables.sistaStrokes,
                            &tables.sistaExtended};
    return *counts[int(file)];
}

LoadStatus readFile(DataFile file, const QByteArray &bytes, Tables &tables, int courseRows)
{
    switch (file) {
    case DataFile::Courses:
        return readCourses(bytes, tables, courseRows);
    case DataFile::Rounds:
        return readRounds(bytes, tables);
    case DataFile::Strokes:
        return readStrokes(bytes, tables);
    case DataFile::Extended:
        break;
    }
    return readExtended(bytes, tables);
}

} // namespace

LoadResult load(Tables &tables, const LoadPlan &plan)
{
    // A file that turns out missing, or is not reached, holds no record now.
    for (const DataFile file : kAllFiles)
        if (planFor(plan, file) != WhenEmpty::NotLoaded)
            sistaOf(tables, file) = Held{};
    LoadResult result;
    const auto note = [&](DataFile file, LoadStatus status, bool tell) {
        result.files.push_back({file, status});
        if (tell)
            result.toTell.push_back({file, status});
    };
    for (const DataFile file : kAllFiles) {
        const WhenEmpty whenEmpty = planFor(plan, file);
        if (whenEmpty == WhenEmpty::NotLoaded)
            continue;
        const std::optional<QByteArray> bytes = fileSystem().read(fileName(file));
        if (!bytes) {
            if (file == DataFile::Courses)
                emptyCourseTable(tables, plan.courseRows); // as if it had been read
            note(file, LoadStatus::Missing, !result.failed);
            result.failed = true;
            return result;
        }
        const LoadStatus status = readFile(file, *bytes, tables, plan.courseRows);
        switch (status) {
        case LoadStatus::Ok:
            note(file, status, false);
            break;
        case LoadStatus::Missing: // a reader never says so
        case LoadStatus::Damaged:
            note(file, status, !result.failed); // the user is told of the first only
            result.failed = true;
            if (plan.afterDamage == AfterDamage::Stop)
                return result;
            break;
        case LoadStatus::Empty:
            note(file, status,
                 whenEmpty == WhenEmpty::MessageContinue || whenEmpty == WhenEmpty::MessageStop);
            if (whenEmpty == WhenEmpty::MessageStop)
                return result;
            break;
        }
    }
    result.complete = true;
    return result;
}

std::optional<FileStatus> LoadResult::firstUnread() const
{
    const auto unread = std::ranges::find_if(files, [](const FileStatus &file) {
        return file.status == LoadStatus::Missing || file.status == LoadStatus::Damaged;
    });
    return unread == files.end() ? std::nullopt : std::optional(*unread);
}

QStringList banlista(const std::vector<CourseRow> &bantabell, int rows)
{
    const int scanned = std::clamp(rows, 0, int(bantabell.size()));
    int k = scanned;
    for (int r = scanned - 1; r >= 0; --r)
        if (bantabell[std::size_t(r)][kCourseBannamn].isEmpty())
            k = r;
    QStringList names;
    names.reserve(k);
    for (int r = 0; r < k; ++r)
        names.append(bantabell[std::size_t(r)][kCourseBannamn]);
    return names;
}

} // namespace store
