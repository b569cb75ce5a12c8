#include "registration/roundrecords.h"

#include "store/numbers.h"
#include "store/records.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace registration {

namespace {

// Month and day get a leading "0" when shorter than two characters (an empty one too).
QString padded(const QString &text)
{
    return text.size() < 2 ? u'0' + text : text;
}

QString handicap(const QString &whole, const QString &tenth)
{
    return whole + u'.' + tenth;
}

QChar flag(const std::optional<int> &value)
{
    return value == 1 ? u'J' : u'N';
}

// The last character of the value's text: one digit for 0..9, nothing for an empty slot.
QString count(const std::optional<int> &value)
{
    return value ? QString::number(*value).right(1) : QString();
}

QString midLevelHole(const HoleValues &values, int hole)
{
    return u'-' + QString(flag(values.hal_green[hole])) + u"---"_s + count(values.hal_putt[hole]);
}

QString fullLevelHole(const HoleValues &values, int hole)
{
    return QString(flag(values.hal_fairway[hole])) + flag(values.hal_green[hole]) +
           count(values.hal_bunker[hole]) + count(values.hal_pitch[hole]) + count(values.hal_chip[hole]) +
           count(values.hal_putt[hole]);
}

} // namespace

store::RoundRow roundRecord(const RoundInput &input)
{
    store::RoundRow row;
    row[store::kDatum] = input.year + u'-' + padded(input.month) + u'-' + padded(input.day);
    row[store::kBannamn] = input.course;
    row[store::kHcpFore] = handicap(input.hcpForeWhole, input.hcpForeTenth);
    row[store::kHcpEfter] = handicap(input.hcpEfterWhole, input.hcpEfterTenth);
    row[store::kAntalPoang] = input.points;
    row[store::kSpeltyp] = store::playTypeCode(input.playType);
    row[store::kRundinfo] = input.note.isEmpty() ? u" "_s : input.note;
    row[store::kAntalHal] = QString::number(input.sista_hal + 1);
    row[store::kSlopeHcp] = handicap(input.slopeWhole, input.slopeTenth);
    return row;
}

store::StrokeRow strokeRecord(const HoleValues &values)
{
    store::StrokeRow row;
    for (int hole = 0; hole < store::kMaxHoles; ++hole) {
        const QString &strokes = values.hal_slag[hole];
        row[hole] = store::Held::fromText(strokes.isEmpty() ? u"0"_s : strokes);
    }
    return row;
}

std::optional<QString> extendedRecord(QStringView level, int holes, const HoleValues &values)
{
    const std::optional<store::Level> named = store::levelNamed(level);
    if (!store::isNineOrEighteen(holes) || !named)
        return std::nullopt;
    QString record(QChar(store::levelLetter(*named)));
    for (int hole = 0; hole < holes; ++hole) {
        switch (*named) {
        case store::Level::Ingen:
            record += QString(store::kExtendedCharsPerHole, u'-');
            break;
        case store::Level::Mellan:
            record += midLevelHole(values, hole);
            break;
        case store::Level::Full:
            record += fullLevelHole(values, hole);
            break;
        }
    }
    return record;
}

bool strokesComplete(const HoleValues &values, int holes)
{
    const auto played = values.hal_slag.begin() + std::clamp(holes, 0, store::kMaxHoles);
    return std::all_of(values.hal_slag.begin(), played,
                       [](const QString &strokes) { return store::numericValue(strokes) >= 1; });
}

} // namespace registration
