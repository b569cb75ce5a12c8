#pragma once

#include "kit/builders.h"
#include "kit/example.h"
#include "kit/printers.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

// Data files for tests, written and read in the current directory.
//
// writeLines() takes the lines as they stand in the file (UTF-8 in the test source),
// encodes them in Windows-1252 and ends each with CR LF.
void writeFile(const QString &name, const QByteArray &bytes);
void writeLines(const QString &name, const QStringList &lines);
QByteArray readFile(const QString &name); // empty when missing
bool fileExists(const QString &name);

// All four files of the worked example.
void writeEkbacken();
// The three round files of these rounds, in this order.
void writeRoundFiles(const QList<RoundRecord> &rounds);
// Four empty files, line 1 the number item -1.
void writeEmptyFiles();
// The three round files empty, line 1 the text item "-1".
void writeQuotedEmptyRoundFiles();

// The three round files in the current directory, read together.
struct RoundFiles
{
    QByteArray rounds, strokes, extended;
    friend bool operator==(const RoundFiles &, const RoundFiles &) = default;
};
RoundFiles filesOnDisk();

// Makes a fresh temporary directory the current directory for the life of the object, a
// folder where saves are not barred.
class ScopedDataDir
{
public:
    ScopedDataDir();
    ~ScopedDataDir();
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Damage good bytes for the error paths: drop the last lines, or replace one line.
QByteArray withoutLastLines(const QByteArray &bytes, int lines);
QByteArray withLineReplaced(const QByteArray &bytes, int lineIndex, const QByteArray &line);

// Lines at the loader's limit of 32767 characters that it reads whole, as an item a file may
// hold (bare, or opened by a quote never closed), with the text read from each and whether
// the writer, which quotes every text, can write it back whole.
struct LongItem
{
    const char *what;
    QByteArray line;
    QString text;
    bool writable;
};
std::vector<LongItem> longItems();
