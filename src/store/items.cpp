#include "store/items.h"

#include "platform/cp1252.h"
#include "store/format.h"

#include <limits>

namespace store {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The line without blanks (space and TAB only) at either end.
QByteArrayView trimBlanks(QByteArrayView line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && isBlank(line[begin]))
        ++begin;
    while (end > begin && isBlank(line[end - 1]))
        --end;
    return line.sliced(begin, end - begin);
}

// The text of a text item: what stands between its quote and the next one. A missing
// closing quote takes the rest of the line.
QByteArrayView quotedText(QByteArrayView trimmed)
{
    const QByteArrayView afterQuote = trimmed.sliced(1);
    const qsizetype close = afterQuote.indexOf(kQuote);
    return close < 0 ? afterQuote : afterQuote.first(close);
}

bool isQuoted(QByteArrayView trimmed)
{
    return !trimmed.isEmpty() && trimmed.front() == kQuote;
}

} // namespace

ItemReader::ItemReader(QByteArray bytes) : m_bytes(std::move(bytes)) {}

bool ItemReader::atEnd() const
{
    return m_pos >= m_bytes.size();
}

std::optional<QByteArrayView> ItemReader::nextLine()
{
    if (atEnd())
        return std::nullopt;
    const QByteArrayView rest = QByteArrayView(m_bytes).sliced(m_pos);
    const qsizetype feed = rest.indexOf('\n');
    QByteArrayView line = feed < 0 ? rest : rest.first(feed);
    m_pos += feed < 0 ? rest.size() : feed + 1;
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

std::optional<QString> ItemReader::nextText()
{
    const std::optional<QByteArrayView> line = nextLine();
    if (!line)
        return std::nullopt;
    const QByteArrayView trimmed = trimBlanks(*line);
    return platform::cp1252::decode(isQuoted(trimmed) ? quotedText(trimmed) : trimmed);
}

std::optional<Held> ItemReader::nextHeld()
{
    const std::optional<QByteArrayView> line = nextLine();
    if (!line)
        return std::nullopt;
    const QByteArrayView trimmed = trimBlanks(*line);
    if (trimmed.isEmpty())
        return Held{};
    if (isQuoted(trimmed))
        return Held::fromText(platform::cp1252::decode(quotedText(trimmed)));
    return Held::fromNumber(platform::cp1252::decode(trimmed));
}

std::optional<int> sistaIndexOf(const Held &item)
{
    if (item.isNothing())
        return std::nullopt;
    QStringView text = QStringView(item.text);
    while (!text.isEmpty() && (text.front() == u' ' || text.front() == u'\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == u' ' || text.back() == u'\t'))
        text.chop(1);
    const bool negative = text.startsWith(u'-');
    if (negative)
        text = text.sliced(1);
    if (text.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value >= std::numeric_limits<int>::max()) // so that a count of records still fits
            return std::nullopt;
    }
    return int(negative ? -value : value);
}

namespace {

// A character that would break a line, or a quote that would end a text early.
QString safeText(QStringView text, bool replaceQuote)
{
    QString safe = text.toString();
    for (QChar &c : safe) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
        else if (replaceQuote && c == QLatin1Char(kQuote))
            c = kQuoteReplacement;
    }
    return safe;
}

} // namespace

void ItemWriter::number(qint64 value)
{
    m_bytes += QByteArray::number(value);
    m_bytes += kLineEnd;
}

void ItemWriter::text(QStringView text)
{
    m_bytes += kQuote;
    m_bytes += platform::cp1252::encode(safeText(text, true));
    m_bytes += kQuote;
    m_bytes += kLineEnd;
}

void ItemWriter::held(const Held &value)
{
    switch (value.form) {
    case Held::Form::Nothing:
        m_bytes += kLineEnd;
        break;
    case Held::Form::Text:
        text(value.text);
        break;
    case Held::Form::Number:
        m_bytes += platform::cp1252::encode(safeText(value.text, false));
        m_bytes += kLineEnd;
        break;
    }
}

} // namespace store
