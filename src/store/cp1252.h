#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1252, the code page of the data files and of typed character codes.
// Every byte maps to one character and back: the five bytes the code page leaves
// undefined map to the control characters of the same value.
namespace store::cp1252 {

// Decodes bytes into a text; its buffer is reused when nothing else shares it.
void decodeInto(QByteArrayView bytes, QString &into);
// Appends the text to bytes; a character outside the code page is written as '?'.
void appendEncoded(QByteArray &bytes, QStringView text);
// The same into out, which has room for text.size() bytes; returns the end of what it wrote.
char *encodeInto(QStringView text, char *out);

QChar charFromCode(int code); // code 0..255
int codeFromChar(QChar c);    // -1 outside the code page

} // namespace store::cp1252
