#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

// The item layer of the data files: one item per line.
namespace store {

// A cell that remembers the form it was read in, so it is written back the same way.
struct Held
{
    enum class Form { Nothing, Text, Number };

    Form form = Form::Nothing;
    QString text; // the text of a text item, or the trimmed digits of a number item

    static Held fromText(QString text) { return {Form::Text, std::move(text)}; }
    static Held fromNumber(QString digits) { return {Form::Number, std::move(digits)}; }
    bool isNothing() const { return form == Form::Nothing; }
    friend bool operator==(const Held &, const Held &) = default;
};

// Reads the items of a whole file in order. Reading past the last line gives nothing, and
// so does a line longer than kMaxLineLength and every line after it.
class ItemReader
{
public:
    explicit ItemReader(QByteArray bytes);

    bool atEnd() const;
    // The next item as held: text, number, or nothing for an empty line.
    std::optional<Held> nextHeld();

    // Reads into a table cell, false past the last line: the next item as a text (the text
    // between the quotes of a text item, the line trimmed of blanks and tabs otherwise, an
    // empty line the empty text), or as held. The cell's own buffer is reused when nothing
    // else shares it, so a reload allocates nothing.
    bool readText(QString &into);
    bool readHeld(Held &into);

private:
    struct Item
    {
        Held::Form form; // Nothing for an empty line
        QByteArrayView bytes;
    };
    std::optional<Item> nextItem();

    QByteArray m_bytes;
    qsizetype m_pos = 0;
};

// True when no line of bytes is longer than kMaxLineLength, so that an ItemReader reads every
// line of them.
bool readableWhole(QByteArrayView bytes);

// sista_index from line 1: a number item or a text item spelling a whole number.
// Nothing when the item is not a whole number.
std::optional<int> sistaIndexOf(const Held &item);

// Builds the bytes of a whole file, item by item.
class ItemWriter
{
public:
    void number(qint64 value);
    // A double quote becomes ' and a control character a blank, so no text breaks the file.
    void text(QStringView text);
    // In the cell's form, a control character as a blank (in a text item also a double quote
    // as '). A cell that would then read back in another form or as another number is written,
    // in its form, as the number it read as (the bare "\r4" counts 0 and is written 0), so a
    // save never changes what a cell reads as.
    void held(const Held &value);

    void reserve(qsizetype size) { m_bytes.reserve(size); }
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

} // namespace store
