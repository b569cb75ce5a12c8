#include "analysis/holerows.h"

#include "holevalues.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::StringLiterals;
using namespace analysis;

namespace {

TEST(HardestHoles, KeepTheExchangeSortsOrderOfEqualValues)
{
    struct Case
    {
        const char *what;
        std::vector<double> overPar;
        QString order;
    };
    const Case cases[] = {
        {"hole 3 before hole 2, hole 5 before hole 9",
         {3, 5, 5, -1, 0, 2, 7, 1, 0},
         u" 7. 3. 2. 1. 6. 8. 5. 9. 4."_s},
        {"equal values reversed", {1, 2, 2, 3}, u" 4. 3. 2. 1."_s},
        {"100 above 99, -1 above -12", {99, -12, 100, -1}, u" 3. 1. 4. 2."_s},
        {"all equal", {0, 0, 0}, u" 1. 2. 3."_s},
        {"two-digit holes lose their point",
         {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0},
         u" 13 5. 3. 4. 1. 6. 7. 8. 9. 10 11 12 2. 14 15 16 17 18"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(hardestHoles(holeValues(c.overPar), int(c.overPar.size())), c.order);
    }
}

TEST(ClassRow, CountsWithALeadingBlankJoinedByABlank)
{
    std::array<int, store::kMaxHoles> counts{};
    counts[1] = 1;
    counts[8] = 12;
    EXPECT_EQ(classRow(counts, 9), u" 0  1  0  0  0  0  0  0  12"_s);
    EXPECT_EQ(classRow(counts, 18), u" 0  1  0  0  0  0  0  0  12  0  0  0  0  0  0  0  0  0"_s);
}

TEST(ResultRows, OverParSummedAndPerRoundHalfUp)
{
    struct Case
    {
        double strokes, par, taken;
        QString summed, perRound;
    };
    const Case cases[] = {
        {10, 5, 2, u"5"_s, u"2.5"_s},
        {13, 12, 3, u"1"_s, u"0.33"_s},
        {14, 12, 3, u"2"_s, u"0.67"_s},
        {8, 12, 3, u"-4"_s, u"-0"_s},
        {12, 12, 3, u"0"_s, u"0"_s},
        // 23 / 40 x 100 + 0.5 is just below 58 in double precision.
        {183, 160, 40, u"23"_s, u"0.57"_s},
        {13, 12, 8, u"1"_s, u"0.13"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.summed.toStdString());
        const ResultRows rows = resultRows(holeValues({c.strokes}), holeValues({c.par}), 18, c.taken);
        EXPECT_EQ(rows.overPar[0], c.summed);
        EXPECT_EQ(rows.perRound[0], c.perRound);
    }
}

TEST(ResultRows, NineHolesOnANineHoleCourseEighteenOtherwise)
{
    for (int holes : {9, 18, 12, 0}) {
        const ResultRows rows = resultRows({}, {}, holes, 1);
        const int written = holes == 9 ? 9 : 18;
        EXPECT_EQ(rows.holes, written);
        for (int h = 0; h < store::kMaxHoles; ++h) {
            EXPECT_EQ(rows.overPar[h], h < written ? u"0"_s : QString()) << holes << " holes, hole " << h + 1;
            EXPECT_EQ(rows.perRound[h], h < written ? u"0"_s : QString())
                << holes << " holes, hole " << h + 1;
        }
    }
}

} // namespace
