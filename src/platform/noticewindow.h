#pragma once

#include "platform/windowkit.h"

// A window that says something and closes by its button: the error windows, the
// information window and the windows still to come share it.
namespace platform {

class NoticeWindow : public KitWindow
{
    Q_OBJECT

protected:
    NoticeWindow(const WindowDesign &design, int closeButton);
};

} // namespace platform
