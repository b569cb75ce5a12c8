#pragma once

#include <QString>

// The few services the windows take from the desktop: message boxes, the beep,
// today's date and ending the program. Windows call the free functions; tests
// install a recorder in place of the desktop.
namespace platform {

// Message box styles as the windows name them.
inline constexpr int kStyleExclamation = 48; // exclamation icon and OK
inline constexpr int kStyleOkOnly = 0;       // OK alone

class Services
{
public:
    virtual ~Services() = default;
    virtual void message(const QString &text, const QString &title, int style) = 0;
    virtual void beep() = 0;
    // Today as "MM-DD-YYYY".
    virtual QString today() = 0;
    virtual void endProgram() = 0;
};

// Replaces the services in use; nullptr puts the desktop back. The caller keeps ownership.
void installServices(Services *services);

void message(const QString &text, const QString &title, int style);
// A fault the user must know of: title "FELMEDDELANDE", style 48.
void errorMessage(const QString &text);
void beep();
QString today();
void endProgram();

} // namespace platform
