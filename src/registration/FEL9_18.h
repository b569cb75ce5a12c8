#pragma once

#include "platform/noticewindow.h"

// FEL9_18: the round register's error window for a played hole without strokes.
class FEL9_18 : public platform::NoticeWindow
{
    Q_OBJECT

public:
    FEL9_18();
};
