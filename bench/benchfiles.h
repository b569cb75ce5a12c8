#pragma once

#include <QByteArray>
#include <QString>

// Plain file work the benchmarks share; any failure aborts the benchmark.

QByteArray contentOf(const QString &name);
// Puts a file back as it was before a timed save, without the care of a save.
void restore(const QString &name, const QByteArray &bytes);
// The baseline of every save: a temporary file written, flushed to disk and renamed over
// the old one, with nothing to keep a set of files whole.
void writeFlushRename(const QString &name, const QByteArray &bytes);
