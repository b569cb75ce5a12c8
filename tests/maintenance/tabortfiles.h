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

using store::LineOneForm;

struct Course
{
    QString name;
    int holes = 9;
    int id = 0; // seeds the hole values
};

// The round's strokes and extended registration (level FULL) seeded by `id`.
inline RoundRecord seeded(RoundRecord round, int id)
{
    round.extended = QStringLiteral("F");
    for (qsizetype hole = 0; hole < round.strokes.size(); ++hole) {
        round.strokes[hole] = 2 + (id + int(hole)) % 7;
        round.extended += QStringLiteral("JN") + QString::number(id % 10) + QStringLiteral("012");
    }
    return round;
}

// A round of `holes` holes seeded by 0; `bareStrokes` stores its strokes as bare numbers.
inline RoundRecord roundOn(const QString &datum, const QString &course, int holes = 9,
                           const QString &note = QStringLiteral(" "), bool bareStrokes = false)
{
    return seeded({.date = datum,
                   .course = course,
                   .strokes = QList<int>(holes),
                   .hcpFore = QStringLiteral("10.2"),
                   .hcpEfter = QStringLiteral("10.4"),
                   .points = QStringLiteral("30"),
                   .playType = QStringLiteral("S"),
                   .note = note,
                   .slopeHcp = QStringLiteral("8.0"),
                   .bareStrokes = bareStrokes},
                  0);
}

struct FourFiles
{
    QByteArray courses, rounds, strokes, extended;
    friend bool operator==(const FourFiles &, const FourFiles &) = default;
};

inline QByteArray courseBytes(const std::vector<Course> &courses, LineOneForm form = LineOneForm::Number)
{
    QList<QStringList> records;
    for (const Course &course : courses) {
        QList<CourseHole> holes;
        for (int hole = 1; hole <= course.holes; ++hole)
            holes.append({100 + course.id * 7 + hole, hole, 3 + (course.id + hole) % 3});
        records.append(courseRecordLines(course.name, holes));
    }
    return fileBytes(fileLines(records, form));
}

// VERUNDAR, VERUNDAH, VERUNDAK of the rounds, with line 1 in the given form.
inline FourFiles roundBytes(const std::vector<RoundRecord> &rounds, LineOneForm form = LineOneForm::Number)
{
    const RoundFileLines lines = roundFileLines(QList<RoundRecord>(rounds.begin(), rounds.end()), form);
    return {{}, fileBytes(lines.rounds), fileBytes(lines.strokes), fileBytes(lines.extended)};
}

inline FourFiles allBytes(const std::vector<Course> &courses, const std::vector<RoundRecord> &rounds,
                          LineOneForm form = LineOneForm::Number)
{
    FourFiles files = roundBytes(rounds, form);
    files.courses = courseBytes(courses, form);
    return files;
}

// Courses and rounds numbered by their place, so each has values of its own.
inline std::vector<Course> numberedCourses(std::vector<Course> courses)
{
    for (std::size_t i = 0; i < courses.size(); ++i)
        courses[i].id = int(i);
    return courses;
}
inline std::vector<RoundRecord> numberedRounds(std::vector<RoundRecord> rounds)
{
    for (std::size_t i = 0; i < rounds.size(); ++i)
        rounds[i] = seeded(rounds[i], int(i));
    return rounds;
}

} // namespace tabortfiles
