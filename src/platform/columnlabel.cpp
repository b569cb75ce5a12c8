#include "platform/columnlabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringView>

namespace platform {

void ColumnLabel::setColumnText(const QString &text, std::span<const TextColumn> columns)
{
    const QFontMetricsF metrics(font());
    m_pieces.clear();
    for (const TextColumn &column : columns) {
        const QString piece = QStringView(text).mid(column.start, column.length).trimmed().toString();
        if (!piece.isEmpty())
            m_pieces.push_back({piece, column.centre, metrics.horizontalAdvance(piece)});
    }
    m_columnText = text;
    setText(text);
    update();
}

std::vector<ColumnLabel::Drawn> ColumnLabel::drawn() const
{
    std::vector<Drawn> pieces;
    if (!inColumns())
        return pieces;
    const QRectF area = contentsRect();
    for (const Piece &piece : m_pieces)
        pieces.push_back({piece.text, QRectF(area.left() + piece.centre - piece.width / 2, area.top(),
                                             piece.width, area.height())});
    return pieces;
}

void ColumnLabel::paintEvent(QPaintEvent *event)
{
    if (!inColumns()) {
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const Qt::Alignment vertical = alignment() & Qt::AlignVertical_Mask;
    for (const Drawn &piece : drawn())
        painter.drawText(piece.rect, int(vertical | Qt::AlignLeft | Qt::TextSingleLine), piece.text);
}

} // namespace platform
