#include "platform/columnlabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringView>

#include <utility>

namespace platform {

namespace {

// The piece without the blanks (U+0020) at either end.
QStringView visiblePart(QStringView piece)
{
    while (!piece.isEmpty() && piece.front() == u' ')
        piece = piece.sliced(1);
    while (!piece.isEmpty() && piece.back() == u' ')
        piece.chop(1);
    return piece;
}

} // namespace

void ColumnLabel::setColumnText(const QString &text, std::vector<TextColumn> columns)
{
    m_columns = std::move(columns);
    m_columnText = text;
    m_hasColumns = true;
    setText(text);
    update();
}

bool ColumnLabel::inColumns() const
{
    return m_hasColumns && text() == m_columnText;
}

std::vector<ColumnLabel::Drawn> ColumnLabel::drawn() const
{
    std::vector<Drawn> pieces;
    if (!inColumns())
        return pieces;
    const QFontMetricsF metrics(font());
    const QRectF area = contentsRect();
    for (const TextColumn &column : m_columns) {
        const QStringView piece = visiblePart(QStringView(m_columnText).mid(column.start, column.length));
        if (piece.isEmpty())
            continue;
        const double width = metrics.horizontalAdvance(piece.toString());
        pieces.push_back({piece.toString(),
                          QRectF(area.left() + column.centre - width / 2, area.top(), width, area.height())});
    }
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
