#pragma once

#include <QFont>
#include <QString>

#include <vector>

// Texts laid out in columns by blanks, for a font whose blanks were wider than ours: a word
// spacing that widens the blanks brings each item back over its column.
namespace platform {

// A text and, for each of its blank-separated items in order, the x where the item's
// centre belongs, in pixels from the text's left edge.
struct SpacedText
{
    QString text;
    std::vector<double> centres;
};

// The centre of each blank-separated item of a text, from its left edge, in a font.
std::vector<double> itemCentres(const QString &text, const QFont &font);

// The font with the word spacing that brings the items of all texts, by least squares,
// over their centres; the font as it is when the blanks do not move the items.
QFont spacedOverCentres(QFont font, const std::vector<SpacedText> &texts);

} // namespace platform
