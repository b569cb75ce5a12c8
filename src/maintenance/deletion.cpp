#include "maintenance/deletion.h"

#include "store/dates.h"
#include "store/format.h"
#include "store/numbers.h"
#include "store/writing.h"

#include <algorithm>

namespace maintenance {

namespace {

constexpr qsizetype kLongDate = 10; // 2004-08-24
constexpr qsizetype kShortDate = 8; // 04-08-24, a year of the 1900s

int wholeYear(double year)
{
    return store::clampedWhole(year);
}

// The three round files with the rounds `keep` accepts, in file order. Every file skips the
// same positions, so the three stay parallel.
template <class Keep> store::FileChange keptRoundFiles(const store::Tables &tables, Keep keep)
{
    if (!store::roundFilesAgree(tables))
        return {.refusal = store::Refusal::RoundFilesDiffer};
    // The three files held the same number of rounds, so each table holds all of them.
    const int count = store::heldRounds(tables);
    std::vector<int> kept;
    kept.reserve(std::size_t(count));
    for (int r = 0; r < count; ++r)
        if (keep(tables.rundtabell[std::size_t(r)]))
            kept.push_back(r);
    return store::roundFilesChange(store::roundFileBytes(tables, kept));
}

} // namespace

std::optional<int> earliestYear(const store::Tables &tables)
{
    int earliest = store::kLastYear;
    const int count = store::heldRounds(tables);
    for (std::size_t r = 0; r < std::size_t(count); ++r) {
        const QString &datum = tables.rundtabell[r][store::kDatum];
        int year = 0;
        if (datum.size() == kShortDate)
            year = 1900 + wholeYear(store::numericValue(QStringView(datum).first(2)));
        else if (datum.size() == kLongDate)
            year = wholeYear(store::readDate(datum).year);
        else
            return std::nullopt;
        earliest = std::min(earliest, year);
    }
    return earliest;
}

QString twoDigitCaption(const QString &caption)
{
    return caption.size() == 1 ? u'0' + caption : caption;
}

DeletionDate deletionDate(const QString &year, const QString &month, const QString &day)
{
    const QString monthAndDay = u'-' + month + u'-' + day;
    return {year + monthAndDay, year.mid(2, 2) + monthAndDay};
}

store::FileChange deleteRoundsOfDate(const store::Tables &tables, const DeletionDate &date)
{
    return keptRoundFiles(tables, [&](const store::RoundRow &round) {
        const QString &datum = round[store::kDatum];
        return datum != date.full && datum != date.shortForm;
    });
}

store::FileChange deleteCourse(const store::Tables &tables, const QString &name)
{
    store::FileChange change =
        keptRoundFiles(tables, [&](const store::RoundRow &round) { return round[store::kBannamn] != name; });
    if (change.refusal != store::Refusal::None)
        return change;
    const int count = store::heldCourses(tables);
    std::vector<store::CourseRow> kept;
    kept.reserve(std::size_t(count));
    for (std::size_t r = 0; r < std::size_t(count); ++r)
        if (tables.bantabell[r][store::kCourseBannamn] != name)
            kept.push_back(tables.bantabell[r]);
    change.files.insert(change.files.begin(), {store::fileName(store::DataFile::Courses),
                                               store::courseFileBytes(kept, int(kept.size()))});
    return change;
}

} // namespace maintenance
