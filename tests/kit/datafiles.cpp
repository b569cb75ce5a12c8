#include "kit/datafiles.h"

#include "store/cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <gtest/gtest.h>

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

QByteArray fileBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += cp1252::encode(line) + kLineEnd;
    return bytes;
}

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << name.toStdString();
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

QStringList ekbackenCourseLines()
{
    return {
        u"0"_s,       u"\"Ekbacken\""_s, u"\"9\""_s, u"\"312\""_s, u"\"5\""_s, u"\"4\""_s,
        u"\"145\""_s, u"\"9\""_s,        u"\"3\""_s, u"\"478\""_s, u"\"1\""_s, u"\"5\""_s,
        u"\"356\""_s, u"\"3\""_s,        u"\"4\""_s, u"\"298\""_s, u"\"7\""_s, u"\"4\""_s,
        u"\"167\""_s, u"\"8\""_s,        u"\"3\""_s, u"\"502\""_s, u"\"2\""_s, u"\"5\""_s,
        u"\"334\""_s, u"\"4\""_s,        u"\"4\""_s, u"\"389\""_s, u"\"6\""_s, u"\"4\""_s,
    };
}

QStringList ekbackenRoundLines()
{
    return {
        u"0"_s,      u"\"2004-08-24\""_s, u"\"Ekbacken\""_s, u"\"12.3\""_s, u"\"12.1\""_s,
        u"\"19\""_s, u"\"S\""_s,          u"\" \""_s,        u"\"9\""_s,    u"\"11.0\""_s,
    };
}

QStringList ekbackenStrokeLines()
{
    return {
        u"0"_s,     u"\"5\""_s, u"\"4\""_s, u"\"6\""_s, u"\"5\""_s,
        u"\"4\""_s, u"\"3\""_s, u"\"6\""_s, u"\"5\""_s, u"\"5\""_s,
    };
}

QStringList ekbackenExtendedLines()
{
    return {u"0"_s, u"\"M-J---2-N---2-J---1-N---3-J---2-J---2-N---2-J---2-J---1\""_s};
}

void writeEkbacken()
{
    writeLines(u"VEMTORBF"_s, ekbackenCourseLines());
    writeLines(u"VERUNDAR"_s, ekbackenRoundLines());
    writeLines(u"VERUNDAH"_s, ekbackenStrokeLines());
    writeLines(u"VERUNDAK"_s, ekbackenExtendedLines());
}

void writeEmptyFiles()
{
    for (const QString &name : {u"VEMTORBF"_s, u"VERUNDAR"_s, u"VERUNDAH"_s, u"VERUNDAK"_s})
        writeLines(name, {u"-1"_s});
}

ScopedDataDir::ScopedDataDir() : m_previous(QDir::currentPath())
{
    if (!m_dir.isValid() || !QDir::setCurrent(m_dir.path()))
        ADD_FAILURE() << "cannot make a temporary current directory";
}

ScopedDataDir::~ScopedDataDir()
{
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
        ADD_FAILURE() << "no line " << lineIndex;
        return bytes;
    }
    all[lineIndex] = line + kLineEnd;
    return all.join();
}
