#include "scorecard/extended.h"

#include "store/numbers.h"
#include "store/records.h"

using namespace Qt::StringLiterals;

namespace scorecard {

namespace {

enum Item { kFairway = 1, kGreen = 2, kBunker = 3, kPitch = 4, kChip = 5, kPutt = 6 };
enum Total { kFairways, kGreens, kBunkers, kPitches, kChips, kPutts };

QString blanks(int count)
{
    return QString(count, u' ');
}

// Item k (1..6) of hole h (1..): one character of the string, or empty past its end.
QString itemOf(const QString &utokadRad, int hole, int item)
{
    const int index = store::kExtendedCharsPerHole * (hole - 1) + item;
    return index < utokadRad.size() ? QString(utokadRad[index]) : QString();
}

// Builds the hole texts and totals of one level. The spacing before an item carries from
// item to item and from hole to hole: where an entry is neither "J" nor "N" it keeps the
// spacing of the entry before it.
class Builder
{
public:
    Builder(const QString &utokadRad, bool full) : m_rad(utokadRad), m_full(full) {}

    ExtendedCard build(int holes)
    {
        ExtendedCard card;
        for (int hole = 1; hole <= holes; ++hole)
            card.holes[hole - 1] = holeText(hole, card.entries[hole - 1]);
        card.holesWritten = holes;
        // MELLAN records greens and putts only; the other totals stay empty there.
        for (int t = kFairways; t <= kPutts; ++t)
            if (m_full || t == kGreens || t == kPutts)
                card.totals[t] = store::numberText(m_sums[t]);
        return card;
    }

private:
    QString holeText(int hole, std::array<EntrySpan, 6> &entries)
    {
        QString text;
        bool fairwayHit = false;
        for (int item = kFairway; item <= kPutt; ++item) {
            QString c = itemOf(m_rad, hole, item);
            if (!m_full && c == u"-"_s)
                c = u" "_s;
            if (item == kFairway && c == u"J"_s)
                fairwayHit = true;
            m_spacing = spacing(item, c, fairwayHit);
            count(item, c);
            const QString entry = shown(c);
            text += m_spacing;
            entries[item - kFairway] = {text.size(), entry.size()};
            text += entry;
        }
        return text;
    }

    QString spacing(int item, const QString &c, bool fairwayHit) const
    {
        const bool yes = c == u"J"_s;
        const bool no = c == u"N"_s;
        if (item == kFairway) {
            if (!m_full)
                return blanks(6);
            return yes ? blanks(3) : no ? blanks(2) : m_spacing;
        }
        if (item == kGreen) {
            if (yes)
                return blanks(m_full && fairwayHit ? 8 : 7);
            return no ? blanks(6) : m_spacing;
        }
        return blanks(6);
    }

    QString shown(const QString &c) const
    {
        if (c == u"N"_s)
            return m_full ? u"NEJ"_s : u" NEJ "_s;
        if (c == u"J"_s)
            return m_full ? u" JA"_s : u"  JA "_s;
        return c;
    }

    // "N", "-", a blank and an empty entry count 0; a count is the entry's digit.
    void count(int item, const QString &c)
    {
        const bool yes = c == u"J"_s;
        if (item == kFairway)
            m_sums[kFairways] += yes ? 1 : 0;
        else if (item == kGreen)
            m_sums[kGreens] += yes ? 1 : 0;
        else
            m_sums[kBunkers + (item - kBunker)] += store::numericValue(c);
    }

    const QString &m_rad;
    const bool m_full;
    QString m_spacing;
    std::array<double, 6> m_sums{};
};

} // namespace

QString blankHoleText()
{
    return blanks(42);
}

ExtendedCard extendedCard(const QString &utokadRad, int holes)
{
    const store::Level level = store::levelOfRecord(utokadRad);
    if (level == store::Level::Ingen) {
        ExtendedCard card;
        card.holes.fill(blankHoleText());
        card.holesWritten = store::kMaxHoles;
        return card;
    }
    return Builder(utokadRad, level == store::Level::Full).build(holes);
}

} // namespace scorecard
