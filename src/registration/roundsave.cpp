#include "registration/roundsave.h"

#include "registration/datesort.h"
#include "store/format.h"
#include "store/writing.h"

namespace registration {

namespace {

// Why the files take no new round, None when they take one after the rounds they hold.
store::Refusal refusalOf(const store::Tables &tables)
{
    if (!store::roundFilesAgree(tables))
        return store::Refusal::RoundFilesDiffer;
    if (store::heldRounds(tables) >= store::kMaxRounds)
        return store::Refusal::RoundLimit;
    return store::Refusal::None;
}

template <class Row> void makeRow(std::vector<Row> &rows, int row)
{
    if (rows.size() <= size_t(row))
        rows.resize(row + 1);
}

// The three round files with `count` rounds, to be saved as one set.
store::FileChange roundFiles(store::Tables &tables, int count)
{
    store::FileChange change = store::roundFilesChange(store::roundFileBytes(tables, count));
    tables.sistaRounds = tables.sistaStrokes = tables.sistaExtended =
        store::Held::fromNumber(QString::number(count - 1));
    return change;
}

} // namespace

NewRound addRound(store::Tables &tables, const RoundInput &input, const HoleValues &values)
{
    if (const store::Refusal refusal = refusalOf(tables); refusal != store::Refusal::None)
        return {.change = {.refusal = refusal}};
    const int n = store::heldRounds(tables);
    makeRow(tables.rundtabell, n);
    makeRow(tables.slagtabell, n);
    makeRow(tables.utokad_tabell, n);

    tables.rundtabell[n] = roundRecord(input);
    const int holes = input.sista_hal + 1;
    const std::optional<QString> extended = extendedRecord(input.level, holes, values);
    if (!extended)
        return {.error = RoundError::HoleCount};
    tables.utokad_tabell[n] = *extended;
    tables.slagtabell[n] = strokeRecord(values);
    if (!strokesComplete(values, holes))
        return {.error = RoundError::Strokes};

    if (n > 0)
        datumsortering(tables, n);
    return {.change = roundFiles(tables, n + 1)};
}

} // namespace registration
