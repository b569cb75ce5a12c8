#include "store/items.h"

#include "store/format.h"
#include "store/numbers.h"

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
        QString text;
        EXPECT_TRUE(ItemReader(bytes).readText(text));
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(ItemReader(bytes).nextHeld(), c.held);
    }
}

TEST(ItemReader, SplitsAtCrLfAndLoneLfAndGivesNothingPastTheLastLine)
{
    ItemReader reader("\"a\"\r\n5\n\r\n\"c\"");
    QString text;
    EXPECT_TRUE(reader.readText(text));
    EXPECT_EQ(text, u"a"_s);
    EXPECT_EQ(reader.nextHeld(), Held::fromNumber(u"5"_s));
    EXPECT_EQ(reader.nextHeld(), Held{});
    EXPECT_FALSE(reader.atEnd());
    EXPECT_TRUE(reader.readText(text));
    EXPECT_EQ(text, u"c"_s);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.readText(text));
    EXPECT_EQ(reader.nextHeld(), std::nullopt);
}

TEST(ItemReader, FinalLineEndMakesNoExtraItem)
{
    ItemReader reader("0\r\n");
    QString text;
    EXPECT_TRUE(reader.readText(text));
    EXPECT_EQ(text, u"0"_s);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.readText(text));
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

// A cell read from a file is written back so that it reads as the same item: its form and its
// number. Where the writer mends a byte the line may read otherwise; the cell is then written as
// its number. A cell that reads back the same is written as before.
TEST(Items, EveryHeldCellIsWrittenBackAsTheSameItem)
{
    const struct
    {
        const char *what;
        QByteArray line;    // as it stands in the file, without its CR LF
        QByteArray written; // what the writer puts in its place, without its CR LF
    } cases[] = {
        {"a bare number", "4", "4"},
        {"a quoted number", "\"5\"", "\"5\""},
        {"an empty line", "", ""},
        {"blanks and tabs only", " \t ", ""},
        {"a bare number among blanks and tabs", "  57 \t", "57"},
        {"a bare text", "abc", "abc"},
        {"a bare cell holding a quote", "4\"x", "4\"x"},
        {"a text without its closing quote", "\"no closing quote", "\"no closing quote\""},
        {"a text with blanks inside its quotes", "\" 4 \"", "\" 4 \""},
        // A control character becomes a blank where the number reads the same.
        {"a bare number ended by a control character", "4\001", "4 "},
        {"a bare number ended by a CR", "4\r", "4 "},
        {"a control character inside a bare number", "1\0012", "1 2"},
        {"a minus before a control character", "-\0014", "- 4"},
        {"a text with a tab before its number", "\"\t4\"", "\" 4\""},
        {"a text with a CR inside its number", "\"4\r5\"", "\"4 5\""},
        // A blank in its place would be skipped before the number, or trimmed at the ends.
        {"a bare CR before a number", "\r4", "0"},
        {"a bare control character before a number", "\0014", "0"},
        {"a bare DEL before a number", "\1774", "0"},
        {"a bare control character before a negative number", "\014-4", "0"},
        {"a bare control character and blank before a quoted number", "\001 \"5\"", "0"},
        {"a bare control character alone", "\001", "0"},
        {"a text with a control character before its number", "\"\0014\"", "\"0\""},
        {"a text with blanks and a control character before its number", "\" \001 4\"", "\"0\""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<Held> read = ItemReader(c.line + "\r\n").nextHeld();
        ASSERT_TRUE(read);
        store::ItemWriter writer;
        writer.held(*read);
        EXPECT_EQ(writer.bytes(), c.written + "\r\n");
        const std::optional<Held> again = ItemReader(writer.bytes()).nextHeld();
        ASSERT_TRUE(again);
        EXPECT_EQ(again->form, read->form);
        EXPECT_EQ(store::numericValue(again->text), store::numericValue(read->text));
    }
}

// The closing quote the writer adds makes the line one too long for the reader: it stays a
// text, for the save to refuse, and is not written as its number instead.
TEST(Items, HeldTextTooLongToReadBackIsWrittenMendedNotAsItsNumber)
{
    const QByteArray letters(store::kMaxLineLength - 2, 'a');
    const std::optional<Held> read = ItemReader("\"\001" + letters + "\r\n").nextHeld();
    ASSERT_TRUE(read);
    store::ItemWriter writer;
    writer.held(*read);
    EXPECT_EQ(writer.bytes(), "\" " + letters + "\"\r\n");
    EXPECT_FALSE(store::readableWhole(writer.bytes()));
}

} // namespace
