#pragma once

#include "platform/services.h"

#include <QString>
#include <QTemporaryDir>

// One benchmark's world: a fresh temporary directory as the current directory, and the
// desktop's services replaced by ones that count messages instead of showing them (a
// benchmark that shows a message measures a failure, and a modal box would wait).
class BenchDir : public platform::Services
{
public:
    BenchDir();
    ~BenchDir() override;

    void message(const QString &, const QString &, int) override { ++m_messages; }
    void beep() override {}
    QString today() override { return QStringLiteral("08-24-2004"); }
    void endProgram() override {}

    int messages() const { return m_messages; }

private:
    QTemporaryDir m_dir;
    QString m_previous;
    int m_messages = 0;
};
