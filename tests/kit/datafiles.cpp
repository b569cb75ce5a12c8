#include "kit/datafiles.h"

#include "kit/fatal.h"
#include "store/saveset.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <string>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

// The lines of a file, each with its line end.
QList<QByteArray> splitLines(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        lines.append(bytes.mid(start, end - start));
        start = end;
    }
    return lines;
}

} // namespace

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        FAIL() << "cannot write " << name.toStdString();
}

void writeLines(const QString &name, const QStringList &lines)
{
    writeFile(name, fileBytes(lines));
}

QByteArray readFile(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool fileExists(const QString &name)
{
    return QFileInfo::exists(name);
}

void writeEkbacken()
{
    const QMap<QString, QByteArray> files = ekbackenFiles();
    for (auto file = files.cbegin(); file != files.cend(); ++file)
        writeFile(file.key(), file.value());
}

void writeRoundFiles(const QList<RoundRecord> &rounds)
{
    const RoundFileLines lines = roundFileLines(rounds);
    writeLines(u"VERUNDAR"_s, lines.rounds);
    writeLines(u"VERUNDAH"_s, lines.strokes);
    writeLines(u"VERUNDAK"_s, lines.extended);
}

void writeEmptyFiles()
{
    for (const QString &name : {u"VEMTORBF"_s, u"VERUNDAR"_s, u"VERUNDAH"_s, u"VERUNDAK"_s})
        writeLines(name, {u"-1"_s});
}

void writeQuotedEmptyRoundFiles()
{
    for (const QString &name : {u"VERUNDAR"_s, u"VERUNDAH"_s, u"VERUNDAK"_s})
        writeLines(name, {u"\"-1\""_s});
}

RoundFiles filesOnDisk()
{
    return {readFile(u"VERUNDAR"_s), readFile(u"VERUNDAH"_s), readFile(u"VERUNDAK"_s)};
}

ScopedDataDir::ScopedDataDir() : m_previous(QDir::currentPath())
{
    if (!m_dir.isValid() || !QDir::setCurrent(m_dir.path()))
        failFatally("cannot make a temporary current directory");
    store::barSaves(store::SavesBarred::No);
}

ScopedDataDir::~ScopedDataDir()
{
    store::barSaves(store::SavesBarred::No);
    QDir::setCurrent(m_previous);
}

QByteArray withoutLastLines(const QByteArray &bytes, int lines)
{
    QList<QByteArray> all = splitLines(bytes);
    all.resize(std::max<qsizetype>(0, all.size() - lines));
    return all.join();
}

QByteArray withLineReplaced(const QByteArray &bytes, int lineIndex, const QByteArray &line)
{
    QList<QByteArray> all = splitLines(bytes);
    if (lineIndex < 0 || lineIndex >= all.size()) {
        failFatally("no line " + std::to_string(lineIndex));
        return bytes;
    }
    all[lineIndex] = line + kLineEnd;
    return all.join();
}

std::vector<LongItem> longItems()
{
    const auto bare = [](const char *what, qsizetype length, bool writable) {
        return LongItem{what, QByteArray(length, 'x'), QString(length, u'x'), writable};
    };
    const auto unclosed = [](const char *what, qsizetype length, bool writable) {
        return LongItem{what, '"' + QByteArray(length, 'x'), QString(length, u'x'), writable};
    };
    return {bare("bare, 32765 characters", 32765, true), bare("bare, 32766 characters", 32766, false),
            bare("bare, 32767 characters", 32767, false),
            unclosed("without its closing quote, 32765 characters", 32765, true),
            unclosed("without its closing quote, 32766 characters", 32766, false)};
}
