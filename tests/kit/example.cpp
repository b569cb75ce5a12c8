#include "kit/example.h"

#include "kit/builders.h"

using namespace Qt::StringLiterals;

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

QList<CourseHole> ekbackenCourseHoles()
{
    return {{312, 5, 4}, {145, 9, 3}, {478, 1, 5}, {356, 3, 4}, {298, 7, 4},
            {167, 8, 3}, {502, 2, 5}, {334, 4, 4}, {389, 6, 4}};
}

QMap<QString, QByteArray> ekbackenFiles()
{
    return {{u"VEMTORBF"_s, fileBytes(ekbackenCourseLines())},
            {u"VERUNDAR"_s, fileBytes(ekbackenRoundLines())},
            {u"VERUNDAH"_s, fileBytes(ekbackenStrokeLines())},
            {u"VERUNDAK"_s, fileBytes(ekbackenExtendedLines())}};
}

RoundEntry ekbackenRoundEntry()
{
    return {.day = 24,
            .month = 8,
            .year = 2004,
            .hcpFore = {12, 3},
            .hcpEfter = {12, 1},
            .slope = {11, 0},
            .points = 19,
            .level = 1,
            .strokes = {5, 4, 6, 5, 4, 3, 6, 5, 5},
            .greens = {1, 0, 1, 0, 1, 1, 0, 1, 1},
            .putts = {2, 2, 1, 3, 2, 2, 2, 2, 1}};
}
