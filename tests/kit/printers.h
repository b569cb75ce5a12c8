#pragma once

#include <QByteArray>
#include <QString>

#include <ostream>

// How a failing test shows Qt's strings: as their text (a byte array with its line ends
// spelled out), not as the bytes of the object.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray &bytes, std::ostream *out)
{
    QByteArray shown = bytes;
    *out << '"' << shown.replace('\r', "\\r").replace('\n', "\\n").toStdString() << '"';
}
