#pragma once

#include "platform/noticewindow.h"

#include <QStringView>

// A window of the menu that this version does not have yet: its caption, a line saying
// so, and its closing button.
namespace mainwindow {

struct PendingWindowInfo
{
    QStringView name;
    QStringView caption;
    QStringView closeButton;
};

class PendingWindow : public platform::NoticeWindow
{
    Q_OBJECT

public:
    explicit PendingWindow(const PendingWindowInfo &info);
};

// One class per window, so that each has its own instance.
template <const PendingWindowInfo &Info> class Pending : public PendingWindow
{
public:
    Pending() : PendingWindow(Info) {}
};

inline constexpr PendingWindowInfo kSKAPAFIL{u"SKAPAFIL", u"Skriver intressant data till en fil",
                                             u"Tillbaka"};

} // namespace mainwindow
