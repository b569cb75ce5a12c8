#pragma once

#include "platform/noticewindow.h"

// The information window: what VEMTOR is, where to write, and the version history.
class VEMTINFO : public platform::NoticeWindow
{
    Q_OBJECT

public:
    VEMTINFO();
};
