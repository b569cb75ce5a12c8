#include "platform/noticewindow.h"

#include <QPushButton>

namespace platform {

NoticeWindow::NoticeWindow(const WindowDesign &design, int closeButton) : KitWindow(design)
{
    connect(m_controls.button(closeButton), &QPushButton::clicked, this, &NoticeWindow::unload);
}

} // namespace platform
