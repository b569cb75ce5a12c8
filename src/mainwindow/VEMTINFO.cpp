#include "mainwindow/VEMTINFO.h"

#include "mainwindow/VEMTINFO_controls.h"
#include "platform/artwork.h"

#include <QLabel>

using namespace mainwindow::vemtinfo;

VEMTINFO::VEMTINFO()
    : platform::NoticeWindow(
          {u"VEMTINFO", u"INFORMATION OM VEMTOR", 8835, 6015, platform::kPurpleWindow, kControls}, Command1)
{
    QLabel *large = m_controls.picture(Picture2);
    large->setPixmap(platform::artwork(QSize(192, 128)));
    large->setScaledContents(true);
    QLabel *small = m_controls.picture(Picture1);
    small->setPixmap(platform::artwork(small->size()));
}
