#pragma once

#include "platform/noticewindow.h"

// VE_ABEND: the round register's error window for a round of neither 9 nor 18 holes.
class VE_ABEND : public platform::NoticeWindow
{
    Q_OBJECT

public:
    VE_ABEND();
};
