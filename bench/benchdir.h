#pragma once

#include "kit/recorder.h"

#include <QString>
#include <QTemporaryDir>

// One benchmark's world: a fresh temporary directory as the current directory, and the
// test kit's recorder in place of the desktop (a benchmark that shows a message measures
// a failure, and a modal box would wait).
class BenchDir
{
public:
    BenchDir();
    ~BenchDir();

    const Recorder &recorder() const { return m_recorder; }

private:
    QTemporaryDir m_dir;
    QString m_previous;
    Recorder m_recorder;
};
