#pragma once

#include "platform/focusframe.h"
#include "platform/geometry.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <array>

// Reading what a control shows, pixel by pixel.

// The colours of the windows, and the orange of the scorecard.
inline const std::array<QColor, 5> kWindowColours{
    platform::kPurple, QColor(255, 224, 192), QColor(192, 192, 192), QColor(240, 240, 240), platform::kCyan};

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

// The blue of the focus frame, which it fills its pixels with.
inline bool isFocusBlue(const QColor &pixel)
{
    return pixel == platform::kFocusMark;
}
