#pragma once

#include "kit/builders.h"
#include "kit/datafiles.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// Data files for the deletion tests, built from short descriptions of courses and rounds.
// Every course and round gets values of its own (metres, strokes, extended registration
// by its place in the list), so a row written with another row's cells shows.
namespace tabortfiles {

struct Course
{
    QString name;
    int holes = 9;
    int id = 0; // seeds the hole values
};

struct Round
{
    QString datum;
    QString course;
    int holes = 9;
    QString note = QStringLiteral(" ");
    bool bareStrokes = false; // strokes stored as bare numbers instead of texts
    int id = 0;               // seeds the strokes and the extended registration
};

// How line 1 stands: a bare number, or a text item ("-1").
enum class LineOne { Bare, Quoted };

struct FourFiles
{
    QByteArray courses, rounds, strokes, extended;
    friend bool operator==(const FourFiles &, const FourFiles &) = default;
};

inline QString lineOne(qsizetype records, LineOne form)
{
    const QString number = QString::number(records - 1);
    return form == LineOne::Bare ? number : quoted(number);
}

inline QByteArray courseBytes(const std::vector<Course> &courses, LineOne form = LineOne::Bare)
{
    QStringList lines{lineOne(qsizetype(courses.size()), form)};
    for (const Course &course : courses) {
        lines << quoted(course.name) << quoted(QString::number(course.holes));
        for (int hole = 1; hole <= course.holes; ++hole)
            lines << quoted(QString::number(100 + course.id * 7 + hole)) << quoted(QString::number(hole))
                  << quoted(QString::number(3 + (course.id + hole) % 3));
    }
    return fileBytes(lines);
}

// VERUNDAR, VERUNDAH, VERUNDAK of the rounds, with line 1 in the given form.
inline FourFiles roundBytes(const std::vector<Round> &rounds, LineOne form = LineOne::Bare)
{
    const QString first = lineOne(qsizetype(rounds.size()), form);
    QStringList roundLines{first}, strokeLines{first}, extendedLines{first};
    for (const Round &round : rounds) {
        for (const QString &field :
             {round.datum, round.course, QStringLiteral("10.2"), QStringLiteral("10.4"), QStringLiteral("30"),
              QStringLiteral("S"), round.note, QString::number(round.holes), QStringLiteral("8.0")})
            roundLines << quoted(field);
        QString extended(u'F');
        for (int hole = 0; hole < round.holes; ++hole) {
            const QString strokes = QString::number(2 + (round.id + hole) % 7);
            strokeLines << (round.bareStrokes ? strokes : quoted(strokes));
            extended += QStringLiteral("JN") + QString::number(round.id % 10) + QStringLiteral("012");
        }
        extendedLines << quoted(extended);
    }
    return {{}, fileBytes(roundLines), fileBytes(strokeLines), fileBytes(extendedLines)};
}

inline FourFiles allBytes(const std::vector<Course> &courses, const std::vector<Round> &rounds,
                          LineOne form = LineOne::Bare)
{
    FourFiles files = roundBytes(rounds, form);
    files.courses = courseBytes(courses, form);
    return files;
}

// Courses or rounds numbered by their place, so each has values of its own.
template <class Record> std::vector<Record> numbered(std::vector<Record> records)
{
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i].id = int(i);
    return records;
}

} // namespace tabortfiles
