#include "analysis/extendedstats.h"

#include "holevalues.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace Qt::StringLiterals;
using namespace analysis;

namespace {

TEST(ExtendedCounts, CountEachLevelAsItRecords)
{
    // Two holes, par 4 and par 3: fairway and green hit, 1 bunker shot, 2 pitches, 3
    // chips, 4 putts on each.
    const HoleValues pars = holeValues({4, 3});
    struct Case
    {
        QString rad;
        ExtendedCounts expected;
    };
    const Case cases[] = {
        {u"IJJ1234JJ1234"_s, {}},
        {u"MJJ1234JJ1234"_s, {.middleRounds = 1, .greens = 2, .putts = 8}},
        {u"FJJ1234JJ1234"_s,
         {.fullRounds = 1,
          .fairways = 1,
          .greens = 2,
          .bunkerShots = 2,
          .pitches = 4,
          .chips = 6,
          .putts = 8}},
        // Another letter counts the holes as FULL but is no round of either level.
        {u"XJJ1234JJ1234"_s,
         {.fairways = 1, .greens = 2, .bunkerShots = 2, .pitches = 4, .chips = 6, .putts = 8}},
        {u"FjJ----NN-9-2"_s, {.fullRounds = 1, .greens = 1, .pitches = 9, .putts = 2}},
        // Past the end of a short text every position adds nothing.
        {u"FJJ12"_s, {.fullRounds = 1, .fairways = 1, .greens = 1, .bunkerShots = 1, .pitches = 2}},
        {QString(), {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.rad.toStdString());
        ExtendedCounts counts;
        countRound(counts, c.rad, pars, 2);
        EXPECT_EQ(counts.middleRounds, c.expected.middleRounds);
        EXPECT_EQ(counts.fullRounds, c.expected.fullRounds);
        EXPECT_EQ(counts.fairways, c.expected.fairways);
        EXPECT_EQ(counts.greens, c.expected.greens);
        EXPECT_EQ(counts.bunkerShots, c.expected.bunkerShots);
        EXPECT_EQ(counts.pitches, c.expected.pitches);
        EXPECT_EQ(counts.chips, c.expected.chips);
        EXPECT_EQ(counts.putts, c.expected.putts);
    }
}

TEST(ExtendedCounts, ReadOnlyTheCoursesHoles)
{
    ExtendedCounts counts;
    countRound(counts, u"FNN0002NN0003NN0004"_s, holeValues({4, 4, 4}), 2);
    EXPECT_EQ(counts.putts, 5);
}

using LabelTexts = std::vector<std::pair<SummaryLabel, QString>>;

// The summary of a case is all "0" but for the labels it names.
SummaryTexts summaryWith(const LabelTexts &texts, const LabelTexts &more = {})
{
    SummaryTexts summary = zeroSummary();
    for (const LabelTexts *list : {&texts, &more})
        for (const auto &[label, text] : *list)
            summary[label] = text;
    return summary;
}

// The round and hole counts of one FULL and one MELLAN round on a course of 18 holes.
const LabelTexts kOneFullOneMiddleOf18{{kAntC, u"2"_s},    {kFullAn, u"1"_s},  {kMellAn, u"1"_s},
                                       {kAntHac, u"36"_s}, {kAntHaf, u"18"_s}, {kAntHam, u"18"_s},
                                       {kAntHa1, u"18"_s}, {kAntHa2, u"36"_s}};

TEST(Summary, CutsAveragesAndRatesInDoublePrecision)
{
    struct Case
    {
        const char *what;
        ExtendedCounts counts;
        int taken;
        int holes;
        SummaryTexts expected;
    };
    const Case cases[] = {
        {"207 putts over 45 holes: 4.6 x 100 is just below 460",
         {.fullRounds = 5, .putts = 207},
         5,
         9,
         summaryWith({{kTotRund, u"5"_s},
                      {kAntHat, u"45"_s},
                      {kAntC, u"5"_s},
                      {kFullAn, u"5"_s},
                      {kAntHac, u"45"_s},
                      {kAntHaf, u"45"_s},
                      {kAntHa1, u"45"_s},
                      {kAntHa2, u"45"_s},
                      {kPuttC, u"207"_s},
                      {kPuttRe, u"41.4"_s},
                      {kPuttP, u"4.59"_s}})},
        {"65 putts in two rounds of 18 holes",
         {.middleRounds = 1, .fullRounds = 1, .putts = 65},
         2,
         18,
         summaryWith(kOneFullOneMiddleOf18, {{kTotRund, u"2"_s},
                                             {kAntHat, u"36"_s},
                                             {kPuttC, u"65"_s},
                                             {kPuttRe, u"32.5"_s},
                                             {kPuttP, u"1.8"_s}})},
        {"10 fairways in two FULL rounds: 27.77, not 27.78; 13 greens 36.11",
         {.fullRounds = 2, .fairways = 10, .greens = 13},
         2,
         18,
         summaryWith({{kTotRund, u"2"_s},
                      {kAntHat, u"36"_s},
                      {kAntC, u"2"_s},
                      {kFullAn, u"2"_s},
                      {kAntHac, u"36"_s},
                      {kAntHaf, u"36"_s},
                      {kAntHa1, u"36"_s},
                      {kAntHa2, u"36"_s},
                      {kFairC, u"10"_s},
                      {kFairP, u"27.77"_s},
                      {kGreenC, u"13"_s},
                      {kGreenP, u"36.11"_s}})},
        {"chips, pitches and bunker shots over the MELLAN rounds too",
         {.middleRounds = 1, .fullRounds = 1, .bunkerShots = 3, .pitches = 7, .chips = 4},
         3,
         18,
         summaryWith(kOneFullOneMiddleOf18, {{kTotRund, u"3"_s},
                                             {kAntHat, u"54"_s},
                                             {kChipC, u"4"_s},
                                             {kChipRu, u"2"_s},
                                             {kChipP, u"0.11"_s},
                                             {kPitchC, u"7"_s},
                                             {kPitchRu, u"3.5"_s},
                                             {kPitchP, u"0.19"_s},
                                             {kBunkC, u"3"_s},
                                             {kBunkRu, u"1.5"_s},
                                             {kBunkP, u"0.08"_s}})},
        {"only MELLAN rounds: no fairway rate",
         {.middleRounds = 2, .greens = 9, .putts = 60},
         2,
         18,
         summaryWith({{kTotRund, u"2"_s},
                      {kAntHat, u"36"_s},
                      {kAntC, u"2"_s},
                      {kMellAn, u"2"_s},
                      {kAntHac, u"36"_s},
                      {kAntHam, u"36"_s},
                      {kAntHa2, u"36"_s},
                      {kGreenC, u"9"_s},
                      {kGreenP, u"25"_s},
                      {kPuttC, u"60"_s},
                      {kPuttRe, u"30"_s},
                      {kPuttP, u"1.66"_s}})},
        {"only INGEN rounds: the taken rounds and their holes",
         {},
         3,
         18,
         summaryWith({{kTotRund, u"3"_s}, {kAntHat, u"54"_s}})},
        {"a round of another level: its counts, no averages",
         {.fairways = 3, .putts = 30},
         1,
         9,
         summaryWith({{kTotRund, u"1"_s}, {kAntHat, u"9"_s}, {kFairC, u"3"_s}, {kPuttC, u"30"_s}})},
        {"no round taken", {}, 0, 18, zeroSummary()},
        {"a course without holes divides by nothing",
         {.fullRounds = 1, .putts = 5},
         1,
         0,
         summaryWith(
             {{kTotRund, u"1"_s}, {kAntC, u"1"_s}, {kFullAn, u"1"_s}, {kPuttC, u"5"_s}, {kPuttRe, u"5"_s}})},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const SummaryTexts actual = summaryTexts(c.counts, c.taken, c.holes);
        for (int label = 0; label < kSummaryLabels; ++label)
            EXPECT_EQ(actual[label], c.expected[label]) << "label " << label;
    }
}

} // namespace
