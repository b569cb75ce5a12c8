#include "platform/noticewindow.h"

#include <QPushButton>

namespace platform {

NoticeWindow::NoticeWindow(const NoticeDesign &design)
    : Form(design.name, design.caption, design.width, design.height),
      m_controls(this, int(design.controls.size()))
{
    if (design.purple)
        setColours(this, kPurple, kWhite);
    m_controls.make(design.controls);
    connect(m_controls.button(design.closeButton), &QPushButton::clicked, this, &NoticeWindow::unload);
}

} // namespace platform
