#include "store/items.h"

#include "store/cp1252.h"
#include "store/format.h"
#include "store/numbers.h"

#include <algorithm>
#include <cstring>
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
    const void *close = std::memchr(afterQuote.data(), kQuote, std::size_t(afterQuote.size()));
    return close ? afterQuote.first(static_cast<const char *>(close) - afterQuote.data()) : afterQuote;
}

} // namespace

ItemReader::ItemReader(QByteArray bytes) : m_bytes(std::move(bytes)) {}

bool ItemReader::atEnd() const
{
    return m_pos >= m_bytes.size();
}

namespace {

// The line that starts bytes, without its line end, and the length it takes with it.
struct Line
{
    QByteArrayView text;
    qsizetype taken = 0;
};

Line firstLine(QByteArrayView bytes)
{
    const void *feed = std::memchr(bytes.data(), '\n', std::size_t(bytes.size()));
    QByteArrayView line = feed ? bytes.first(static_cast<const char *>(feed) - bytes.data()) : bytes;
    const qsizetype taken = feed ? line.size() + 1 : line.size();
    if (line.endsWith('\r'))
        line.chop(1);
    return {line, taken};
}

} // namespace

bool readableWhole(QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const Line line = firstLine(bytes);
        if (line.text.size() > kMaxLineLength)
            return false;
        bytes = bytes.sliced(line.taken);
    }
    return true;
}

std::optional<ItemReader::Item> ItemReader::nextItem()
{
    if (atEnd())
        return std::nullopt;
    const Line next = firstLine(QByteArrayView(m_bytes).sliced(m_pos));
    const QByteArrayView line = next.text;
    m_pos += next.taken;
    if (line.size() > kMaxLineLength) { // no item is that long: the file ends here for its reader
        m_pos = m_bytes.size();
        return std::nullopt;
    }
    const QByteArrayView trimmed = trimBlanks(line);
    if (trimmed.isEmpty())
        return Item{Held::Form::Nothing, trimmed};
    if (trimmed.front() == kQuote)
        return Item{Held::Form::Text, quotedText(trimmed)};
    return Item{Held::Form::Number, trimmed};
}

bool ItemReader::readText(QString &into)
{
    const std::optional<Item> item = nextItem();
    if (!item)
        return false;
    cp1252::decodeInto(item->bytes, into);
    return true;
}

bool ItemReader::readHeld(Held &into)
{
    const std::optional<Item> item = nextItem();
    if (!item)
        return false;
    into.form = item->form;
    cp1252::decodeInto(item->bytes, into.text);
    return true;
}

std::optional<Held> ItemReader::nextHeld()
{
    Held held;
    if (!readHeld(held))
        return std::nullopt;
    return held;
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

// Writes the text's bytes to out, which has room for text.size() bytes, and returns their
// end; a control character becomes a blank and, in a text item, a double quote becomes '.
// Both are ASCII, the same byte as the character, so the bytes can be mended after encoding.
// `mended` becomes true when a byte was.
char *putSafe(char *out, QStringView text, bool replaceQuote, bool &mended)
{
    char *const end = cp1252::encodeInto(text, out);
    for (char *c = out; c != end; ++c) {
        if ((*c >= 0 && *c < 0x20) || *c == 0x7F) {
            *c = ' ';
            mended = true;
        } else if (replaceQuote && *c == kQuote) {
            *c = char(kQuoteReplacement);
            mended = true;
        }
    }
    return end;
}

char *putLineEnd(char *out)
{
    return std::copy(kLineEnd.begin(), kLineEnd.end(), out);
}

// Appends what put writes from the pointer it is given, at most `most` bytes; put returns
// their end. One growth of the bytes per item, instead of one per piece.
template <class Put> void appendUpTo(QByteArray &bytes, qsizetype most, Put put)
{
    const qsizetype start = bytes.size();
    bytes.resize(start + most);
    char *const begin = bytes.data();
    const char *const end = put(begin + start);
    if (end != begin + bytes.size())
        bytes.truncate(end - begin);
}

// Appends the line of a text item (quoted) or a bare item; true when a byte was mended.
bool appendItem(QByteArray &bytes, QStringView text, bool quoted)
{
    bool mended = false;
    const qsizetype quotes = quoted ? 2 : 0;
    appendUpTo(bytes, text.size() + quotes + kLineEnd.size(), [&](char *out) {
        if (quoted)
            *out++ = kQuote;
        out = putSafe(out, text, quoted, mended);
        if (quoted)
            *out++ = kQuote;
        return putLineEnd(out);
    });
    return mended;
}

// The line, read back, holds an item of the cell's form with the cell's number. A line too
// long for the reader stays as it is: the save refuses it before anything is written.
bool readsBackAs(QByteArrayView line, const Held &cell)
{
    if (line.size() - kLineEnd.size() > kMaxLineLength)
        return true;
    const std::optional<Held> back = ItemReader(line.toByteArray()).nextHeld();
    return back && back->form == cell.form && numericValue(back->text) == numericValue(cell.text);
}

} // namespace

void ItemWriter::number(qint64 value)
{
    m_bytes += QByteArray::number(value);
    m_bytes += kLineEnd;
}

void ItemWriter::text(QStringView text)
{
    appendItem(m_bytes, text, true);
}

void ItemWriter::held(const Held &value)
{
    if (value.isNothing()) {
        m_bytes += kLineEnd;
        return;
    }
    const bool quoted = value.form == Held::Form::Text;
    const qsizetype start = m_bytes.size();
    // A mended byte can change what the line reads as: a blank is skipped before a number and
    // trimmed at the ends, so the bare "\r4", which counts 0, would come back as 4, and a cell
    // of control characters alone as an empty line. Such a cell is written as its number.
    if (appendItem(m_bytes, value.text, quoted) &&
        !readsBackAs(QByteArrayView(m_bytes).sliced(start), value)) {
        m_bytes.truncate(start);
        appendItem(m_bytes, numberText(numericValue(value.text)), quoted);
    }
}

} // namespace store
