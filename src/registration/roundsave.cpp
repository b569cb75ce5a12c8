#include "registration/roundsave.h"

#include "platform/savemessage.h"
#include "platform/services.h"
#include "registration/datesort.h"
#include "store/format.h"
#include "store/loading.h"
#include "store/writing.h"

using namespace Qt::StringLiterals;

namespace registration {

namespace {

// The round files are read again at every save, without empty-file messages.
constexpr store::LoadPlan kSavePlan{.courses = store::WhenEmpty::NotLoaded,
                                    .rounds = store::WhenEmpty::Silent,
                                    .strokes = store::WhenEmpty::Silent,
                                    .extended = store::WhenEmpty::Silent};

// The position of the new round, or nothing (with its message) when the files take none.
std::optional<int> newPosition(const store::Tables &tables)
{
    const int rounds = store::recordCount(tables.sistaRounds);
    if (rounds != store::recordCount(tables.sistaStrokes) ||
        rounds != store::recordCount(tables.sistaExtended)) {
        platform::errorMessage(
            u"Filerna VERUNDAR, VERUNDAH och VERUNDAK har olika antal rundor. Ingenting har sparats."_s);
        return std::nullopt;
    }
    if (rounds >= store::kMaxRounds) {
        platform::errorMessage(u"Du kan inte registrera fler än 2001 rundor. Rundan sparades inte."_s);
        return std::nullopt;
    }
    return rounds;
}

template <class Row> void makeRow(std::vector<Row> &rows, int row)
{
    if (rows.size() <= size_t(row))
        rows.resize(row + 1);
}

bool writeRoundFiles(store::Tables &tables, int count)
{
    store::RoundFileBytes bytes = store::roundFileBytes(tables, count);
    if (!platform::reportSave(
            store::saveSet({{store::fileName(store::DataFile::Rounds), std::move(bytes.rounds)},
                            {store::fileName(store::DataFile::Strokes), std::move(bytes.strokes)},
                            {store::fileName(store::DataFile::Extended), std::move(bytes.extended)}})))
        return false;
    tables.sistaRounds = tables.sistaStrokes = tables.sistaExtended =
        store::Held::fromNumber(QString::number(count - 1));
    return true;
}

} // namespace

SaveOutcome saveRound(store::Tables &tables, const RoundInput &input, const HoleValues &values)
{
    if (store::load(tables, kSavePlan).failed)
        return SaveOutcome::NotSaved;
    const std::optional<int> position = newPosition(tables);
    if (!position)
        return SaveOutcome::NotSaved;
    const int n = *position;
    makeRow(tables.rundtabell, n);
    makeRow(tables.slagtabell, n);
    makeRow(tables.utokad_tabell, n);

    tables.rundtabell[n] = roundRecord(input);
    const int holes = input.sista_hal + 1;
    const std::optional<QString> extended = extendedRecord(input.level, holes, values);
    if (!extended)
        return SaveOutcome::HoleCountFailure;
    tables.utokad_tabell[n] = *extended;
    tables.slagtabell[n] = strokeRecord(values);
    if (!strokesComplete(values, holes))
        return SaveOutcome::StrokesFailure;

    if (n > 0)
        datumsortering(tables, n);
    return writeRoundFiles(tables, n + 1) ? SaveOutcome::Saved : SaveOutcome::NotSaved;
}

} // namespace registration
