#include "mainwindow/PendingWindow.h"

#include <array>

namespace mainwindow {
namespace {

enum Control : int { Label1, Command1 };

std::array<platform::ControlRow, 2> pendingControls(QStringView closeButton)
{
    using enum platform::Kind;
    return {{
        {Label1,
         Label,
         u"Label1",
         {240, 240, 5520, 495},
         u"Den här delen av VEMTOR finns inte i denna version."},
        {Command1, Button, u"Command1", {3960, 1080, 1800, 495}, closeButton},
    }};
}

} // namespace

PendingWindow::PendingWindow(const PendingWindowInfo &info)
    : platform::NoticeWindow(
          {info.name, info.caption, 6000, 1800, platform::kPurpleWindow, pendingControls(info.closeButton)},
          Command1)
{
}

} // namespace mainwindow
