#pragma once

#include "platform/form.h"

#include <QStringView>

// A window of the menu that this version does not have yet: its caption, a line saying
// so, and its closing button.
namespace mainwindow {

struct PendingWindowSpec
{
    QStringView name;
    QStringView caption;
    QStringView closeButton;
};

class PendingWindow : public platform::Form
{
    Q_OBJECT

public:
    explicit PendingWindow(const PendingWindowSpec &spec);
};

// One class per window, so that each has its own instance.
template <const PendingWindowSpec &Spec>
class Pending : public PendingWindow
{
public:
    Pending() : PendingWindow(Spec) {}
};

inline constexpr PendingWindowSpec kVE_ANALY{u"VE_ANALY", u"SCORE ANALYS", u"Tillbaka"};
inline constexpr PendingWindowSpec kVEGRAFIK{u"VEGRAFIK", u"GRAFISK VISNING", u"TILLBAKA"};
inline constexpr PendingWindowSpec kVEHCPGRA{u"VEHCPGRA", u"HANDIKAPP ÄNDRINGAR", u"Tillbaka"};
inline constexpr PendingWindowSpec kTABORT{u"TABORT", u"Tar bort en registrerad bana eller runda", u"Avbryt"};
inline constexpr PendingWindowSpec kSKAPAFIL{u"SKAPAFIL", u"Skriver intressant data till en fil", u"Tillbaka"};

} // namespace mainwindow

