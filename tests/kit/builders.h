#pragma once

#include "store/writing.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// Data files built in memory, line by line as they stand in the file. Qt Core only.

// The lines encoded in Windows-1252, each ended with CR LF.
QByteArray fileBytes(const QStringList &lines);
// A text item: the text between double quotes.
QString quoted(const QString &text);

// One hole of a course record.
struct CourseHole
{
    int metres;
    int strokeIndex;
    int par;
};
// A course record: name, hole count, then metres, stroke index and par per hole.
QStringList courseRecordLines(const QString &name, const QList<CourseHole> &holes);
// A course of `holes` holes where hole h is metres + h long, has stroke index h and par 4.
QStringList plainCourseLines(const QString &name, int holes, int metres = 100);
// A course of these pars where every hole is `metres` long and has its number as stroke index.
QStringList parCourseLines(const QString &name, const QList<int> &pars, int metres = 300);
// A file of these records: line 1 the index of the last record, as a number or a text item
// ("-1"), then the records.
QStringList fileLines(const QList<QStringList> &records,
                      store::LineOneForm form = store::LineOneForm::Number);

// A round as it stands in the three round files.
struct RoundRecord
{
    QString date;
    QString course;
    QList<int> strokes; // one per hole played
    QString hcpFore = QStringLiteral("20.1");
    QString hcpEfter = QStringLiteral("20.4");
    QString points = QStringLiteral("30");
    QString playType = QStringLiteral("T");
    QString note = QStringLiteral(" ");
    QString slopeHcp = QStringLiteral("18.0");
    QString extended{};       // empty: level INGEN, "I" and six dashes per hole
    bool bareStrokes = false; // strokes stored as bare numbers instead of texts
};
// A round as the user enters it on the round register; -1 keeps the register's default.
struct RoundEntry
{
    int day = -1;
    int month = -1;
    int year = -1;
    std::array<int, 2> hcpFore{-1, 0}; // whole part and tenth
    std::array<int, 2> hcpEfter{-1, 0};
    std::array<int, 2> slope{-1, 0};
    int points = -1;
    int playType = -1;
    QString note{}; // empty: nothing typed
    int level = 0;  // 0 INGEN, 1 MELLAN
    QList<int> strokes{};
    QList<int> greens{}; // level MELLAN: 1 green hit
    QList<int> putts{};  // level MELLAN
};

struct RoundFileLines
{
    QStringList rounds, strokes, extended;
};
RoundFileLines roundFileLines(const QList<RoundRecord> &rounds,
                              store::LineOneForm form = store::LineOneForm::Number);
