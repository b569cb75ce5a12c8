// The round save on files that already hold 2000 rounds of 18 holes in reverse date
// order: reading the three round files, the date sort of all 2001 rounds, the rewrite.
// Beside it, the baseline the save is held to: a plain write, flush and rename of the same
// three files, with nothing to make the set whole.
#include "benchdir.h"
#include "benchfiles.h"
#include "maxdata.h"

#include "platform/storemessages.h"
#include "registration/roundsave.h"
#include "store/format.h"
#include "store/saveset.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

registration::RoundInput newRound()
{
    return {.year = u"2003"_s,
            .month = u"6"_s,
            .day = u"15"_s,
            .course = maxDataCourseName(0),
            .hcpForeWhole = u"12"_s,
            .hcpForeTenth = u"3"_s,
            .hcpEfterWhole = u"12"_s,
            .hcpEfterTenth = u"1"_s,
            .slopeWhole = u"14"_s,
            .slopeTenth = u"0"_s,
            .points = u"34"_s,
            .playType = u"Tävling"_s,
            .note = u"Bench"_s,
            .level = u"FULL"_s,
            .sista_hal = 17};
}

registration::HoleValues newHoles()
{
    registration::HoleValues values;
    values.hal_slag.fill(u"5"_s);
    for (auto *perHole : {&values.hal_fairway, &values.hal_green, &values.hal_bunker, &values.hal_pitch,
                          &values.hal_chip, &values.hal_putt})
        perHole->fill(1);
    return values;
}

void BM_RoundSaveInto2000ReversedRounds(benchmark::State &state)
{
    const BenchDir dir;
    writeMaxData(2000, RoundOrder::Descending);
    std::vector<std::pair<QString, QByteArray>> stored;
    for (store::DataFile file : store::kRoundFiles)
        stored.emplace_back(store::fileName(file), contentOf(store::fileName(file)));

    const registration::RoundInput input = newRound();
    const registration::HoleValues holes = newHoles();
    store::Tables tables;
    for (auto _ : state) {
        if (platform::loadAndTell(tables, registration::kRoundSavePlan).failed)
            std::abort();
        const registration::NewRound round = registration::addRound(tables, input, holes);
        if (round.error != registration::RoundError::None || !platform::saveChange(round.change))
            std::abort();
        state.PauseTiming();
        for (const auto &[name, bytes] : stored)
            restore(name, bytes);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RoundSaveInto2000ReversedRounds)->Unit(benchmark::kMillisecond);

void BM_PlainWriteFlushRenameOfTheThreeRoundFiles(benchmark::State &state)
{
    const BenchDir dir;
    writeMaxData(2001, RoundOrder::Ascending);
    std::vector<std::pair<QString, QByteArray>> files;
    for (store::DataFile file : store::kRoundFiles)
        files.emplace_back(store::fileName(file), contentOf(store::fileName(file)));
    for (auto _ : state)
        for (const auto &[name, bytes] : files)
            writeFlushRename(name, bytes);
}
BENCHMARK(BM_PlainWriteFlushRenameOfTheThreeRoundFiles)->Unit(benchmark::kMillisecond);

// The writing step of the round save alone: the same three files as one safe set.
void BM_SafeSetSaveOfTheThreeRoundFiles(benchmark::State &state)
{
    const BenchDir dir;
    writeMaxData(2001, RoundOrder::Ascending);
    std::vector<store::FileContent> files;
    for (store::DataFile file : store::kRoundFiles)
        files.push_back({store::fileName(file), contentOf(store::fileName(file))});
    for (auto _ : state)
        if (!store::saveSet(files).saved())
            std::abort();
}
BENCHMARK(BM_SafeSetSaveOfTheThreeRoundFiles)->Unit(benchmark::kMillisecond);

} // namespace
