#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include <array>

// Reading what a control shows, pixel by pixel.

// The colours of the windows, and the orange of the scorecard.
inline const std::array<QColor, 5> kWindowColours{QColor(128, 0, 128), QColor(255, 224, 192),
                                                  QColor(192, 192, 192), QColor(240, 240, 240),
                                                  QColor(0, 255, 255)};

// The pixels of the widget as it paints itself that pass the test.
template <class Test> int pixelsOf(QWidget *widget, Test test)
{
    const QImage image = widget->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += test(QColor(image.pixel(x, y)));
    return count;
}

// The blue of the focus frame, and no colour of a window or of a control's face.
inline bool isFocusBlue(const QColor &pixel)
{
    return pixel.blue() > 180 && pixel.red() < 60 && pixel.green() < 140;
}
