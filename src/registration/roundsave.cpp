#include "registration/roundsave.h"

#include "registration/datesort.h"
#include "store/format.h"
#include "store/loading.h"
#include "store/saveset.h"
#include "store/writing.h"

using namespace Qt::StringLiterals;

namespace registration {

namespace {

// The round files are read again at every save, without empty-file messages.
constexpr store::LoadPlan kSavePlan{.courses = store::WhenEmpty::NotLoaded,
                                    .rounds = store::WhenEmpty::Silent,
                                    .strokes = store::WhenEmpty::Silent,
                                    .extended = store::WhenEmpty::Silent};

// Why the files take no new round, None when they take one at position recordCount.
Refusal refusalOf(const store::Tables &tables)
{
    if (!store::roundFilesAgree(tables))
        return Refusal::FilesDiffer;
    if (store::recordCount(tables.sistaRounds) >= store::kMaxRounds)
        return Refusal::Full;
    return Refusal::None;
}

template <class Row> void makeRow(std::vector<Row> &rows, int row)
{
    if (rows.size() <= size_t(row))
        rows.resize(row + 1);
}

// The three round files saved as one set.
store::SaveResult writeRoundFiles(store::Tables &tables, int count)
{
    store::RoundFileBytes bytes = store::roundFileBytes(tables, count);
    const store::SaveResult written =
        store::saveSet({{store::fileName(store::DataFile::Rounds), std::move(bytes.rounds)},
                        {store::fileName(store::DataFile::Strokes), std::move(bytes.strokes)},
                        {store::fileName(store::DataFile::Extended), std::move(bytes.extended)}});
    if (written.saved())
        tables.sistaRounds = tables.sistaStrokes = tables.sistaExtended =
            store::Held::fromNumber(QString::number(count - 1));
    return written;
}

SaveResult notSaved(Refusal refusal)
{
    return {.outcome = SaveOutcome::NotSaved, .refusal = refusal};
}

} // namespace

SaveResult saveRound(store::Tables &tables, const RoundInput &input, const HoleValues &values)
{
    SaveResult result;
    result.loaded = store::load(tables, kSavePlan);
    if (result.loaded.failed) {
        result.outcome = SaveOutcome::NotSaved;
        result.refusal = Refusal::NotRead;
        return result;
    }
    if (const Refusal refusal = refusalOf(tables); refusal != Refusal::None)
        return notSaved(refusal);
    const int n = store::recordCount(tables.sistaRounds);
    makeRow(tables.rundtabell, n);
    makeRow(tables.slagtabell, n);
    makeRow(tables.utokad_tabell, n);

    tables.rundtabell[n] = roundRecord(input);
    const int holes = input.sista_hal + 1;
    const std::optional<QString> extended = extendedRecord(input.level, holes, values);
    if (!extended)
        return {.outcome = SaveOutcome::HoleCountFailure};
    tables.utokad_tabell[n] = *extended;
    tables.slagtabell[n] = strokeRecord(values);
    if (!strokesComplete(values, holes))
        return {.outcome = SaveOutcome::StrokesFailure};

    if (n > 0)
        datumsortering(tables, n);
    if (const store::SaveResult written = writeRoundFiles(tables, n + 1); !written.saved()) {
        SaveResult refused = notSaved(Refusal::NotWritten);
        refused.written = written;
        return refused;
    }
    return {};
}

} // namespace registration
