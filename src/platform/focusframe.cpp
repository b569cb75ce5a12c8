#include "platform/focusframe.h"

#include <QPainter>
#include <QRect>
#include <QWidget>

namespace platform {
namespace {

constexpr int kFocusFrameWidth = 2;

} // namespace

void drawFocusFrame(QPainter &painter, const QRect &rect)
{
    const int w = kFocusFrameWidth;
    painter.fillRect(rect.left(), rect.top(), rect.width(), w, kFocusMark);
    painter.fillRect(rect.left(), rect.bottom() + 1 - w, rect.width(), w, kFocusMark);
    painter.fillRect(rect.left(), rect.top(), w, rect.height(), kFocusMark);
    painter.fillRect(rect.right() + 1 - w, rect.top(), w, rect.height(), kFocusMark);
}

void frameIfFocused(QWidget &widget, const QRect &rect)
{
    if (!widget.hasFocus())
        return;
    QPainter painter(&widget);
    drawFocusFrame(painter, rect);
}

} // namespace platform
