#include "mainwindow/PendingWindow.h"

#include "platform/controls.h"

#include <QPushButton>

namespace mainwindow {

PendingWindow::PendingWindow(const PendingWindowInfo &info)
    : platform::Form(info.name, info.caption, 6000, 1800)
{
    platform::setColours(this, platform::kPurple, platform::kWhite);
    platform::makeLabel(this, u"Label1", {240, 240, 5520, 495},
                        u"Den här delen av VEMTOR finns inte i denna version.");
    auto *close = platform::makeButton(this, u"Command1", {3960, 1080, 1800, 495}, info.closeButton);
    connect(close, &QPushButton::clicked, this, &PendingWindow::unload);
}

} // namespace mainwindow
