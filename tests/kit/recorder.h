#pragma once

#include "kit/printers.h"
#include "platform/services.h"

#include <QString>
#include <QStringList>

#include <vector>

// Stands in for the desktop during a test: records every message, beep and end of the
// program, and answers today() with a fixed date.
struct RecordedMessage
{
    QString text;
    QString title;
    int style = 0;
    friend bool operator==(const RecordedMessage &, const RecordedMessage &) = default;
    friend void PrintTo(const RecordedMessage &message, std::ostream *out)
    {
        PrintTo(message.text, out);
        *out << " (" << message.title.toStdString() << ", " << message.style << ')';
    }
};

class Recorder : public platform::Services
{
public:
    Recorder();           // installs itself
    ~Recorder() override; // puts the desktop back

    void message(const QString &text, const QString &title, int style) override;
    void beep() override { ++beeps; }
    QString today() override { return todayText; }
    void endProgram() override { ++ends; }

    QStringList messageTexts() const;
    void clear();

    std::vector<RecordedMessage> messages;
    int beeps = 0;
    int ends = 0;
    QString todayText = QStringLiteral("08-24-2004");
};
