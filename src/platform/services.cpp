#include "platform/services.h"

#include <QApplication>
#include <QDate>
#include <QMessageBox>

namespace platform {
namespace {

class DesktopServices : public Services
{
public:
    void message(const QString &text, const QString &title, int style) override
    {
        QMessageBox box(style == kStyleExclamation ? QMessageBox::Warning : QMessageBox::NoIcon, title, text,
                        QMessageBox::Ok);
        box.exec();
    }
    void beep() override { QApplication::beep(); }
    QString today() override { return QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy")); }
    // exit() rather than quit(): no window may refuse, and no closing handler runs.
    void endProgram() override { QCoreApplication::exit(0); }
};

DesktopServices &desktop()
{
    static DesktopServices services;
    return services;
}

Services *g_current = nullptr;

Services &current()
{
    return g_current ? *g_current : desktop();
}

} // namespace

void installServices(Services *services)
{
    g_current = services;
}

void message(const QString &text, const QString &title, int style)
{
    current().message(text, title, style);
}

void errorMessage(const QString &text)
{
    message(text, QStringLiteral("FELMEDDELANDE"), kStyleExclamation);
}

void beep()
{
    current().beep();
}

QString today()
{
    return current().today();
}

void endProgram()
{
    current().endProgram();
}

} // namespace platform
