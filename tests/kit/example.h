#pragma once

#include "kit/builders.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// The worked example, once for every test, benchmark and the fuzzer: one 9-hole course
// "Ekbacken" and one round on it, 2004-08-24 at level MELLAN. Qt Core only, no test
// framework, so that the fuzzer links it too.

// The four files' lines as they stand in the file, without line ends.
QStringList ekbackenCourseLines();
QStringList ekbackenRoundLines();
QStringList ekbackenStrokeLines();
QStringList ekbackenExtendedLines();
// The four files as bytes (Windows-1252, CR LF), by file name.
QMap<QString, QByteArray> ekbackenFiles();

// The course as the user enters it, hole 1 first.
QList<CourseHole> ekbackenCourseHoles();

// The round as the user enters it: 2004-08-24, handicap 12.3 before and 12.1 after, slope
// 11.0, 19 points, play type left at "Sällskap", no note, level MELLAN.
RoundEntry ekbackenRoundEntry();
