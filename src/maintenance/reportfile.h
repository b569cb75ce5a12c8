#pragma once

#include "maintenance/report.h"

#include <QByteArray>
#include <QString>

// rapportfil, the report file. Plain text, Windows-1252, every line ended by CR LF:
//   Utskriftsdatum  MM-DD-YYYY
//   Du har valt år <from caption> tom <to caption>
//   <course> Antal rundor är  n
//   the n round lines
//   Genomsnittet antalet slag per runda är   average
//   two fixed lines on what the counts are based on
//   the nine class headings at fixed columns
//   then per hole a line "Hål h: Par  p   average  verdict" and a line of its nine counts
// Lines shown in the layout as blank hold one blank. Numbers stand with a leading blank
// when not negative; a count stands as a blank, its digits and a blank.
namespace maintenance {

// The name: course, "  from ", the from caption, " tom ", the to caption, no extension.
// "/", "\" and control characters become "_", so the file lies in the current directory
// whatever the course is called.
QString reportFileName(const QString &course, const QString &fromCaption, const QString &toCaption);

// halomdome: the verdict on a hole's rounded average against its par.
QString holeVerdict(double average, double par);

// The whole file of a report with at least one round. today is "MM-DD-YYYY".
QByteArray reportFileBytes(const Report &report, const QString &course, const QString &fromCaption,
                           const QString &toCaption, const QString &today);

// The message that names the written file.
QString reportWrittenMessage(const QString &fileName);

} // namespace maintenance
