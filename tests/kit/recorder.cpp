#include "kit/recorder.h"

Recorder::Recorder()
{
    platform::installServices(this);
}

Recorder::~Recorder()
{
    platform::installServices(nullptr);
}

void Recorder::message(const QString &text, const QString &title, int style)
{
    messages.push_back({text, title, style});
}

QStringList Recorder::messageTexts() const
{
    QStringList texts;
    for (const RecordedMessage &recorded : messages)
        texts.append(recorded.text);
    return texts;
}

void Recorder::clear()
{
    messages.clear();
    beeps = 0;
    ends = 0;
}
