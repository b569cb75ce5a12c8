#include "store/items.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using store::Held;
using store::ItemReader;

namespace {

struct LineCase
{
    const char *line;
    QString text;
    Held held;
};

TEST(ItemReader, ReadsEachLineFormAsTextAndAsHeld)
{
    const LineCase cases[] = {
        {"\"Ekbacken\"", u"Ekbacken"_s, Held::fromText(u"Ekbacken"_s)},
        {" \t\" a b \"  junk \"x\"", u" a b "_s, Held::fromText(u" a b "_s)},
        {"\"\"", QString(), Held::fromText(QString())},
        {"\"no closing quote", u"no closing quote"_s, Held::fromText(u"no closing quote"_s)},
        {"  57 \t", u"57"_s, Held::fromNumber(u"57"_s)},
        {"-1", u"-1"_s, Held::fromNumber(u"-1"_s)},
        {"\"-1\"", u"-1"_s, Held::fromText(u"-1"_s)},
        {"", QString(), Held{}},
        {" \t ", QString(), Held{}},
        {"\"\xE5\xE4\xF6 \xC5\xC4\xD6\"", u"åäö ÅÄÖ"_s, Held::fromText(u"åäö ÅÄÖ"_s)},
        {"\xA0"
         "5\xA0",
         u"\u00A05\u00A0"_s, Held::fromNumber(u"\u00A05\u00A0"_s)},
    };
    for (const LineCase &c : cases) {
        SCOPED_TRACE(c.line);
        const QByteArray bytes = QByteArray(c.line) + "\r\n";
        EXPECT_EQ(ItemReader(bytes).nextText(), c.text);
        EXPECT_EQ(ItemReader(bytes).nextHeld(), c.held);
    }
}

TEST(ItemReader, SplitsAtCrLfAndLoneLfAndGivesNothingPastTheLastLine)
{
    ItemReader reader("\"a\"\r\n5\n\r\n\"c\"");
    EXPECT_EQ(reader.nextText(), u"a"_s);
    EXPECT_EQ(reader.nextHeld(), Held::fromNumber(u"5"_s));
    EXPECT_EQ(reader.nextHeld(), Held{});
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.nextText(), u"c"_s);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.nextText(), std::nullopt);
    EXPECT_EQ(reader.nextHeld(), std::nullopt);
}

TEST(ItemReader, FinalLineEndMakesNoExtraItem)
{
    ItemReader reader("0\r\n");
    EXPECT_EQ(reader.nextText(), u"0"_s);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.nextText(), std::nullopt);
}

TEST(SistaIndex, TakesNumberAndTextFormsOfAWholeNumberOnly)
{
    const struct
    {
        Held item;
        std::optional<int> expected;
    } cases[] = {
        {Held::fromNumber(u"-1"_s), -1},
        {Held::fromText(u"-1"_s), -1},
        {Held::fromNumber(u"0"_s), 0},
        {Held::fromText(u" 2000 "_s), 2000},
        {Held::fromNumber(u"-7"_s), -7},
        {Held{}, std::nullopt},
        {Held::fromNumber(u"-"_s), std::nullopt},
        {Held::fromNumber(u"1.0"_s), std::nullopt},
        {Held::fromNumber(u"12abc"_s), std::nullopt},
        {Held::fromText(QString()), std::nullopt},
        {Held::fromNumber(u"2147483647"_s), std::nullopt},
        {Held::fromNumber(u"99999999999999999999"_s), std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.item.text.toStdString());
        EXPECT_EQ(store::sistaIndexOf(c.item), c.expected);
    }
}

TEST(ItemWriter, WritesNumbersBareTextsQuotedAndHeldCellsInTheirForm)
{
    store::ItemWriter writer;
    writer.number(-1);
    writer.number(57);
    writer.text(u"Ekbacken"_s);
    writer.text(u" "_s);
    writer.text(QString());
    writer.text(u"Åby äng"_s);
    writer.held(Held::fromText(u"5"_s));
    writer.held(Held::fromNumber(u"4"_s));
    writer.held(Held{});
    EXPECT_EQ(writer.bytes(), QByteArray("-1\r\n57\r\n\"Ekbacken\"\r\n\" \"\r\n\"\"\r\n\"\xC5"
                                         "by \xE4ng\"\r\n"
                                         "\"5\"\r\n4\r\n\r\n"));
}

TEST(ItemWriter, NoTextCanBreakTheFile)
{
    store::ItemWriter writer;
    writer.text(u"a\"b\r\nc\td"_s);
    writer.text(u"€ and 漢"_s);
    EXPECT_EQ(writer.bytes(), QByteArray("\"a'b  c d\"\r\n\"\x80 and ?\"\r\n"));
}

TEST(Items, HeldCellsReadBackAsTheyWereWritten)
{
    const QByteArray bytes("\"5\"\r\n4\r\n\r\n\"\"\r\n-3\r\n");
    ItemReader reader(bytes);
    store::ItemWriter writer;
    while (const std::optional<Held> item = reader.nextHeld())
        writer.held(*item);
    EXPECT_EQ(writer.bytes(), bytes);
}

} // namespace
