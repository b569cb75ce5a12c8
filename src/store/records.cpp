#include "store/records.h"

#include "store/numbers.h"

#include <cmath>

namespace store {

QString playTypeCode(const QString &word)
{
    for (const PlayType &type : kPlayTypes)
        if (word == type.word)
            return QString(QChar(type.code));
    return word;
}

QString playTypeWord(const QString &code, PlayTypeWords words)
{
    for (const PlayType &type : kPlayTypes)
        if (code.size() == 1 && code[0] == QChar(type.code))
            return (words == PlayTypeWords::Report ? type.reportWord : type.word).toString();
    return code;
}

char16_t levelLetter(Level level)
{
    constexpr char16_t letters[] = {u'I', u'M', u'F'};
    return letters[int(level)];
}

QString levelName(Level level)
{
    static const QString names[] = {QStringLiteral("INGEN"), QStringLiteral("MELLAN"),
                                    QStringLiteral("FULL")};
    return names[int(level)];
}

std::optional<Level> levelNamed(QStringView name)
{
    for (const Level level : kLevels)
        if (name == levelName(level))
            return level;
    return std::nullopt;
}

Level levelOfRecord(QStringView utokadRad)
{
    if (utokadRad.startsWith(QChar(levelLetter(Level::Ingen))))
        return Level::Ingen;
    if (utokadRad.startsWith(QChar(levelLetter(Level::Mellan))))
        return Level::Mellan;
    return Level::Full;
}

int holesOf(QStringView antalHal)
{
    return clampedWhole(numericValue(antalHal), 0, kMaxHoles);
}

bool tooManyHoles(QStringView antalHal)
{
    return std::floor(numericValue(antalHal)) > kMaxHoles;
}

} // namespace store
