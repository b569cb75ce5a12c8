#include "store/cp1252.h"

#include <array>

namespace store::cp1252 {
namespace {

// Bytes 80..9F; the rest of the code page is Latin-1. The five bytes the code page
// leaves undefined (81, 8D, 8F, 90, 9D) stand for the control character of their value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::array<char16_t, 256> makeTable()
{
    std::array<char16_t, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = static_cast<char16_t>(byte);
    for (int i = 0; i < 32; ++i)
        table[0x80 + i] = kHighControls[i];
    return table;
}

constexpr std::array<char16_t, 256> kTable = makeTable();

constexpr char kUnmappable = '?';

} // namespace

QChar charFromCode(int code)
{
    Q_ASSERT(code >= 0 && code < 256);
    return QChar(kTable[code & 0xFF]);
}

int codeFromChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u < 0x100))
        return u;
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == u)
            return 0x80 + i;
    }
    return -1;
}

void decodeInto(QByteArrayView bytes, QString &into)
{
    // A cell read again mostly keeps its length: its buffer is then written as it stands.
    if (into.size() != bytes.size() || !into.isDetached())
        into.resize(bytes.size());
    // Every byte but 80..9F is its own character: widen all, then mend those few. Both
    // loops are plain enough for the compiler to run them on many bytes at once.
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    char16_t *out = reinterpret_cast<char16_t *>(into.data());
    const qsizetype size = bytes.size();
    unsigned char mend = 0;
    for (qsizetype i = 0; i < size; ++i) {
        out[i] = in[i];
        mend |= (in[i] & 0xE0) == 0x80;
    }
    if (mend == 0)
        return;
    for (qsizetype i = 0; i < size; ++i)
        out[i] = kTable[in[i]];
}

void appendEncoded(QByteArray &bytes, QStringView text)
{
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size());
    bytes.truncate(encodeInto(text, bytes.data() + start) - bytes.constData());
}

char *encodeInto(QStringView text, char *out)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        // Most characters are the same code in both; only the rest needs the table.
        if (u < 0x80 || (u >= 0xA0 && u < 0x100)) {
            *out++ = static_cast<char>(u);
            continue;
        }
        // A character outside the basic plane is one character: one '?'.
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        const int code = codeFromChar(QChar(u));
        *out++ = code < 0 ? kUnmappable : static_cast<char>(code);
    }
    return out;
}

} // namespace store::cp1252
