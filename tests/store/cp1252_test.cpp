#include "store/cp1252.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString decoded(QByteArrayView bytes)
{
    QString text;
    store::cp1252::decodeInto(bytes, text);
    return text;
}

QByteArray encoded(QStringView text)
{
    QByteArray bytes;
    store::cp1252::appendEncoded(bytes, text);
    return bytes;
}

} // namespace

TEST(Cp1252, EveryByteRoundTrips)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(static_cast<char>(byte));
    const QString text = decoded(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(encoded(text), all);
    // A text decoded into again, its buffer reused, holds the new bytes only.
    QString again = u"x"_s.repeated(256);
    store::cp1252::decodeInto(all, again);
    EXPECT_EQ(again, text);
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(store::cp1252::codeFromChar(store::cp1252::charFromCode(byte)), byte) << "byte " << byte;
}

TEST(Cp1252, DecodesSwedishLettersAndTheHighRange)
{
    EXPECT_EQ(decoded("\xE5\xE4\xF6\xC5\xC4\xD6"), u"åäöÅÄÖ"_s);
    EXPECT_EQ(decoded("\x80\x8A\x96\x9F"), u"€Š–Ÿ"_s);
    // The bytes the code page leaves undefined stand for the control character of their value.
    EXPECT_EQ(decoded("\x81\x8D\x8F\x90\x9D"), u"\u0081\u008D\u008F\u0090\u009D"_s);
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(encoded(u"a€b"_s), QByteArray("a\x80"
                                            "b"));
    // U+0080 is not in the code page (byte 80 is the euro sign); Ω is not either.
    EXPECT_EQ(encoded(u"\u0080Ωx"_s), QByteArray("??x"));
    // A character outside the basic plane is one character, so one '?'.
    EXPECT_EQ(encoded(u"<\U0001F600>"_s), QByteArray("<?>"));
    EXPECT_EQ(store::cp1252::codeFromChar(u'Ω'), -1);
    EXPECT_EQ(store::cp1252::codeFromChar(u'ö'), 0xF6);
}
