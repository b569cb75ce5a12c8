#pragma once

#include <QLabel>
#include <QRectF>
#include <QString>

#include <span>
#include <vector>

namespace platform {

// A piece of a label's text, from its first character `start` on for `length`
// characters, and the x where it stands centred, in pixels from the label's left edge.
struct TextColumn
{
    qsizetype start = 0;
    qsizetype length = 0;
    double centre = 0;
};

// A label whose text is shown in columns: each piece stands centred at its column, without
// the blanks at either end, and the blanks between the pieces are not drawn. text() stays
// the whole text, which the handlers and the tests read back. Any other text, set by
// setText, is drawn as by any label.
class ColumnLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    // The pieces are measured in the label's font as it is now.
    void setColumnText(const QString &text, std::span<const TextColumn> columns);

    // A piece as it is drawn: its visible characters and the rectangle, in the label's
    // pixels, they are drawn in.
    struct Drawn
    {
        QString text;
        QRectF rect;
    };
    // What the columns draw; nothing while the text is not the one they were given with.
    std::vector<Drawn> drawn() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // A piece with characters to draw: those characters, the x of its centre and its width.
    struct Piece
    {
        QString text;
        double centre = 0;
        double width = 0;
    };

    bool inColumns() const { return text() == m_columnText; }

    std::vector<Piece> m_pieces;
    QString m_columnText;
};

} // namespace platform
