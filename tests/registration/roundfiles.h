#pragma once

#include "kit/datafiles.h"

#include <QByteArray>
#include <QString>

// The three round files in the current directory, read or written together.
struct RoundFiles
{
    QByteArray rounds, strokes, extended;
    friend bool operator==(const RoundFiles &, const RoundFiles &) = default;
};

inline RoundFiles filesOnDisk()
{
    return {readFile(QStringLiteral("VERUNDAR")), readFile(QStringLiteral("VERUNDAH")),
            readFile(QStringLiteral("VERUNDAK"))};
}

// The three round files empty, line 1 the text item "-1".
inline void writeQuotedEmptyRoundFiles()
{
    for (const char *name : {"VERUNDAR", "VERUNDAH", "VERUNDAK"})
        writeLines(QString::fromLatin1(name), {QStringLiteral("\"-1\"")});
}
