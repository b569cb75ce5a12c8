#pragma once

#include "platform/displaylist.h"

#include <QWidget>

class QPainter;

namespace platform {

// The drawing surface of a graph window: it shows its display list, replayed at 15
// twips a pixel, and keeps it until the next clear. Painting never changes the list.
class Surface : public QWidget
{
    Q_OBJECT

public:
    explicit Surface(QWidget *parent = nullptr, quint32 backColour = kBgrPurple);

    const DisplayList &displayList() const { return m_list; }
    // The list to draw on; the surface is painted again once the handler returns.
    DisplayList &edit();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    DisplayList m_list;
};

// Replays a display list onto a painter whose fore colour and font are given; the
// painter's device is filled with the back colour first. Ops that lie wholly outside
// `visible` (pixels) are skipped.
void replay(const DisplayList &list, QPainter &painter, const QRect &visible, const QColor &foreColour);

} // namespace platform
