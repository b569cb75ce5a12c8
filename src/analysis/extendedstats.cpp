#include "analysis/extendedstats.h"

#include "store/numbers.h"
#include "store/records.h"

namespace analysis {

namespace {

// The character at position p of utokad_rad, counting from 1; none past the end.
char16_t at(QStringView utokadRad, int p)
{
    return p <= utokadRad.size() ? utokadRad[p - 1].unicode() : u'\0';
}

bool isHit(QStringView utokadRad, int p)
{
    return at(utokadRad, p) == u'J';
}

// The number one character gives: its digit, or 0 for anything else.
double countAt(QStringView utokadRad, int p)
{
    const char16_t c = at(utokadRad, p);
    return c >= u'0' && c <= u'9' ? c - u'0' : 0;
}

bool isLevel(char16_t letter, store::Level level)
{
    return letter == store::levelLetter(level);
}

// Int(count / divisor x times) / over. A course without holes has nothing to divide by
// and shows 0.
double cut(double count, double divisor, double times, double over)
{
    if (divisor == 0)
        return 0;
    return store::wholePart(count / divisor * times) / over;
}

double perRound(double count, double rounds)
{
    return cut(count, rounds, 10, 10);
}

double perHole(double count, double holes)
{
    return cut(count, holes, 100, 100);
}

double perCent(double count, double holes)
{
    return cut(count, holes, 10000, 100);
}

} // namespace

void countRound(ExtendedCounts &counts, QStringView utokadRad, const HoleValues &pars, int holes)
{
    const char16_t level = at(utokadRad, 1);
    if (isLevel(level, store::Level::Ingen))
        return;
    const bool middle = isLevel(level, store::Level::Mellan);
    if (middle)
        ++counts.middleRounds;
    else if (isLevel(level, store::Level::Full))
        ++counts.fullRounds;
    for (int h = 1; h <= holes; ++h) {
        // The hole's six characters follow position p: fairway, green, bunker shots,
        // pitches, chips, putts.
        const int p = 1 + store::kExtendedCharsPerHole * (h - 1);
        if (!middle && isHit(utokadRad, p + 1) && pars[h - 1] > 3)
            ++counts.fairways;
        if (isHit(utokadRad, p + 2))
            ++counts.greens;
        if (!middle) {
            counts.bunkerShots += countAt(utokadRad, p + 3);
            counts.pitches += countAt(utokadRad, p + 4);
            counts.chips += countAt(utokadRad, p + 5);
        }
        counts.putts += countAt(utokadRad, p + 6);
    }
}

SummaryTexts zeroSummary()
{
    SummaryTexts texts;
    texts.fill(store::numberText(0));
    return texts;
}

SummaryTexts summaryTexts(const ExtendedCounts &counts, int takenRounds, int holes)
{
    using store::numberText;
    SummaryTexts t = zeroSummary();
    t[kTotRund] = numberText(takenRounds);
    t[kAntHat] = numberText(double(takenRounds) * holes);
    t[kFairC] = numberText(counts.fairways);
    t[kGreenC] = numberText(counts.greens);
    t[kPuttC] = numberText(counts.putts);
    t[kChipC] = numberText(counts.chips);
    t[kPitchC] = numberText(counts.pitches);
    t[kBunkC] = numberText(counts.bunkerShots);

    const double rounds = double(counts.middleRounds) + counts.fullRounds;
    t[kAntC] = numberText(rounds);
    if (rounds == 0)
        return t;
    const double full = counts.fullRounds;
    const double analysedHoles = holes * rounds;
    t[kPuttRe] = numberText(perRound(counts.putts, rounds));
    t[kAntHa2] = numberText(rounds * holes);
    t[kAntHac] = numberText(rounds * holes);
    t[kAntHaf] = numberText(full * holes);
    t[kAntHam] = numberText(double(counts.middleRounds) * holes);
    t[kAntHa1] = t[kAntHaf];
    t[kFullAn] = numberText(full);
    t[kMellAn] = numberText(counts.middleRounds);
    if (full != 0)
        t[kFairP] = numberText(perCent(counts.fairways, holes * full));
    t[kGreenP] = numberText(perCent(counts.greens, analysedHoles));
    t[kPuttP] = numberText(perHole(counts.putts, analysedHoles));
    t[kChipP] = numberText(perHole(counts.chips, analysedHoles));
    t[kPitchP] = numberText(perHole(counts.pitches, analysedHoles));
    t[kBunkP] = numberText(perHole(counts.bunkerShots, analysedHoles));
    t[kChipRu] = numberText(perRound(counts.chips, rounds));
    t[kPitchRu] = numberText(perRound(counts.pitches, rounds));
    t[kBunkRu] = numberText(perRound(counts.bunkerShots, rounds));
    return t;
}

} // namespace analysis
