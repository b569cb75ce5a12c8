#pragma once

#include "kit/builders.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <array>

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
inline constexpr std::array<CourseHole, 9> kEkbackenCourse{{{312, 5, 4},
                                                              {145, 9, 3},
                                                              {478, 1, 5},
                                                              {356, 3, 4},
                                                              {298, 7, 4},
                                                              {167, 8, 3},
                                                              {502, 2, 5},
                                                              {334, 4, 4},
                                                              {389, 6, 4}}};

// The round as the user enters it; a handicap is its whole part and its tenth. Play type
// stays the default "Sällskap", the note empty.
struct EkbackenRound
{
    int day = 24;
    int month = 8;
    int year = 2004;
    std::array<int, 2> hcpFore{12, 3};
    std::array<int, 2> hcpEfter{12, 1};
    std::array<int, 2> slope{11, 0};
    int points = 19;
    std::array<int, 9> strokes{5, 4, 6, 5, 4, 3, 6, 5, 5};
    std::array<int, 9> greens{1, 0, 1, 0, 1, 1, 0, 1, 1}; // 1: green hit
    std::array<int, 9> putts{2, 2, 1, 3, 2, 2, 2, 2, 1};
};
inline constexpr EkbackenRound kEkbackenRound{};
