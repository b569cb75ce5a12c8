#include "platform/geometry.h"

#include <QPalette>
#include <QWidget>

namespace platform {

QRect pixelRect(Twips rect)
{
    return QRect(pixels(rect.left), pixels(rect.top), pixels(rect.width), pixels(rect.height));
}

void place(QWidget *widget, Twips rect)
{
    widget->setGeometry(pixelRect(rect));
}

quint32 bgrNumber(QColor colour)
{
    return quint32(colour.blue()) << 16 | quint32(colour.green()) << 8 | quint32(colour.red());
}

// Each kind of widget paints its face and its text in its own palette roles (a label
// in Window/WindowText, a text box in Base/Text, a button in Button/ButtonText), so
// the colours go to the roles the widget itself uses. Children inherit what they do
// not set themselves: a window's text colour becomes its labels' text colour.
void setBackground(QWidget *widget, QColor background)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget *widget, QColor foreground)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->foregroundRole(), foreground);
    widget->setPalette(palette);
}

QFont windowFont()
{
    QFont font;
    // Liberation Sans has the widths of the fonts the windows were laid out for.
    font.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(11);
    return font;
}

} // namespace platform
