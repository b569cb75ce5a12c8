#include "reportfixture.h"

#include "kit/datafiles.h"
#include "store/loading.h"

using namespace Qt::StringLiterals;

namespace fixture {

namespace {

const int kBjorkasPars[18] = {4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 5, 4, 4, 3, 4, 5, 4};
const int kSjoBergPars[9] = {3, 4, 5, 3, 4, 5, 3, 4, 5};

void addCourse(QStringList &lines, const QString &name, const int *pars, int holes)
{
    QList<CourseHole> course;
    for (int h = 1; h <= holes; ++h)
        course.append({300 + h, h, pars[h - 1]});
    lines << courseRecordLines(name, course);
}

QStringList courseLines()
{
    QStringList lines{u"2"_s};
    addCourse(lines, u"Björkås"_s, kBjorkasPars, 18);
    addCourse(lines, u"Sjö/Berg"_s, kSjoBergPars, 9);
    addCourse(lines, u"Tallbacken"_s, kSjoBergPars, 9);
    return lines;
}

QStringList quoted(const QStringList &items)
{
    QStringList lines;
    for (const QString &item : items)
        lines << u"\"%1\""_s.arg(item);
    return lines;
}

QStringList roundLines()
{
    return QStringList{u"5"_s} +
           quoted({u"2003-05-10"_s, u"Björkås"_s,  u"12.3"_s, u"12.4"_s,       u"36"_s,      u"T"_s,
                   u" "_s,          u"18"_s,       u"14.0"_s, u"2004-06-01"_s, u"Björkås"_s, u"12.4"_s,
                   u"12.5"_s,       u"30"_s,       u"S"_s,    u"Blåsigt"_s,    u"18"_s,      u"14.1"_s,
                   u"2004-07-01"_s, u"Sjö/Berg"_s, u"12.5"_s, u"12.5"_s,       u"18"_s,      u"S"_s,
                   u" "_s,          u"9"_s,        u"14.2"_s, u"2004-07-15"_s, u"björkås"_s, u"12.5"_s,
                   u"12.5"_s,       u"20"_s,       u"T"_s,    u" "_s,          u"18"_s,      u"14.2"_s,
                   u"2004-08-24"_s, u"Björkås"_s,  u"12.5"_s, u"12.6"_s,       u"22"_s,      u"X"_s,
                   u"Regn"_s,       u"9"_s,        u"14.2"_s, u"2005-04-02"_s, u"Björkås"_s, u"12.6"_s,
                   u"12.6"_s,       u"15"_s,       u"E"_s,    u" "_s,          u"18"_s,      u"14.3"_s});
}

QStringList strokeLines()
{
    return QStringList{u"5"_s} +
           quoted({// round 0: par everywhere, one stroke on hole 3
                   u"4"_s, u"4"_s, u"1"_s, u"5"_s, u"4"_s, u"4"_s, u"3"_s, u"4"_s, u"5"_s, //
                   u"4"_s, u"3"_s, u"5"_s, u"4"_s, u"4"_s, u"3"_s, u"4"_s, u"5"_s, u"4"_s,
                   // round 1: bogeys, 8 on hole 2, 2 on hole 4
                   u"5"_s, u"8"_s, u"4"_s, u"2"_s, u"5"_s, u"5"_s, u"4"_s, u"5"_s, u"6"_s, //
                   u"5"_s, u"4"_s, u"6"_s, u"5"_s, u"5"_s, u"4"_s, u"5"_s, u"6"_s, u"5"_s,
                   // round 2 (Sjö/Berg): par everywhere
                   u"3"_s, u"4"_s, u"5"_s, u"3"_s, u"4"_s, u"5"_s, u"3"_s, u"4"_s, u"5"_s,
                   // round 3 (björkås): ones everywhere
                   u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, //
                   u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"1"_s,
                   // round 4: double bogeys, 3 on hole 9
                   u"6"_s, u"6"_s, u"5"_s, u"7"_s, u"6"_s, u"6"_s, u"5"_s, u"6"_s, u"3"_s,
                   // round 5: triple bogeys, 3 on hole 1, 9 on hole 18
                   u"3"_s, u"7"_s, u"6"_s, u"8"_s, u"7"_s, u"7"_s, u"6"_s, u"7"_s, u"8"_s, //
                   u"7"_s, u"6"_s, u"8"_s, u"7"_s, u"7"_s, u"6"_s, u"7"_s, u"8"_s, u"9"_s});
}

QStringList extendedLines()
{
    const QString nine = u"I"_s + u"------"_s.repeated(9);
    const QString eighteen = u"I"_s + u"------"_s.repeated(18);
    return QStringList{u"5"_s} + quoted({eighteen, eighteen, nine, eighteen, nine, eighteen});
}

QStringList head(const QString &today, const QString &from, const QString &to, const QString &course, int n)
{
    return {u"Utskriftsdatum  "_s + today,
            u" "_s,
            u"Du har valt år "_s + from + u" tom "_s + to,
            u" "_s,
            course + u" Antal rundor är  "_s + QString::number(n),
            u" "_s};
}

QStringList averagesAndHeadings(const QString &average)
{
    return {
        u" "_s,
        u" "_s,
        u"Genomsnittet antalet slag per runda är   "_s + average,
        u" "_s,
        u"Redovisningen nedan visas utifrån banans par, ej utifrån ditt HCP."_s,
        u"Kommer i en framtida version att lägga in så att du har möjlighet att visa jmfrt med ditt HCP."_s,
        u" "_s,
        headingLine()};
}

const QString kRound0 =
    u"2003-05-10    70   Tävling HCP 12.3 HCP Slope 14.0 Antal poäng 36 HCP efter 12.4  "_s;
const QString kRound1 =
    u"2004-06-01    89   Sällskapspel HCP 12.4 HCP Slope 14.1 Antal poäng 30 HCP efter 12.5 Blåsigt"_s;
const QString kRound4 = u"2004-08-24    50   X HCP 12.5 HCP Slope 14.2 Antal poäng 22 HCP efter 12.6 Regn"_s;
const QString kRound5 =
    u"2005-04-02    124   Ensamspel HCP 12.6 HCP Slope 14.3 Antal poäng 15 HCP efter 12.6  "_s;

} // namespace

void writeReportFiles()
{
    writeLines(u"VEMTORBF"_s, courseLines());
    writeLines(u"VERUNDAR"_s, roundLines());
    writeLines(u"VERUNDAH"_s, strokeLines());
    writeLines(u"VERUNDAK"_s, extendedLines());
}

store::Tables reportTables()
{
    store::Tables tables;
    store::readCourses(fileBytes(courseLines()), tables, 111);
    store::readRounds(fileBytes(roundLines()), tables);
    store::readStrokes(fileBytes(strokeLines()), tables);
    store::readExtended(fileBytes(extendedLines()), tables);
    return tables;
}

QString headingLine()
{
    return QString(69, u' ') + u"HIO  Albatross  Eagle  Birdie  Par  Bogey  Dubbel  Trippel  Annat"_s;
}

QString countLine(const std::array<int, 9> &counts)
{
    static const int columns[9] = {71, 81, 94, 103, 111, 118, 128, 138, 148};
    QString line;
    for (int c = 0; c < 9; ++c)
        line += QString(columns[c] - 1 - line.size(), u' ') + u' ' + QString::number(counts[c]) + u' ';
    return line;
}

QStringList bjorkas2004(const QString &today, const QString &from, const QString &to)
{
    return head(today, from, to, u"Björkås"_s, 2) + QStringList{kRound1, kRound4} +
           averagesAndHeadings(u"69.5"_s) +
           QStringList{
               u"Hål 1: Par  4    5.5  Dubbel varning"_s,
               countLine({0, 0, 0, 0, 0, 1, 1, 0, 0}),
               u"Hål 2: Par  4    7  Detta hål bör du verkligen kolla upp"_s,
               countLine({0, 0, 0, 0, 0, 0, 1, 0, 1}),
               u"Hål 3: Par  3    4.5  Dubbel varning"_s,
               countLine({0, 0, 0, 0, 0, 1, 1, 0, 0}),
               u"Hål 4: Par  5    4.5  Bra!"_s,
               countLine({0, 1, 0, 0, 0, 0, 1, 0, 0}),
               u"Hål 5: Par  4    5.5  Dubbel varning"_s,
               countLine({0, 0, 0, 0, 0, 1, 1, 0, 0}),
               u"Hål 6: Par  4    5.5  Dubbel varning"_s,
               countLine({0, 0, 0, 0, 0, 1, 1, 0, 0}),
               u"Hål 7: Par  3    4.5  Dubbel varning"_s,
               countLine({0, 0, 0, 0, 0, 1, 1, 0, 0}),
               u"Hål 8: Par  4    5.5  Dubbel varning"_s,
               countLine({0, 0, 0, 0, 0, 1, 1, 0, 0}),
               u"Hål 9: Par  5    4.5  Bra!"_s,
               countLine({0, 0, 1, 0, 0, 1, 0, 0, 0}),
           };
}

QStringList bjorkas2003To2005(const QString &today, const QString &from, const QString &to)
{
    const std::array<int, 9> parBogeyTrippel{0, 0, 0, 0, 1, 1, 0, 1, 0};
    const std::array<int, 9> parToTrippel{0, 0, 0, 0, 1, 1, 1, 1, 0};
    return head(today, from, to, u"Björkås"_s, 4) + QStringList{kRound0, kRound1, kRound4, kRound5} +
           averagesAndHeadings(u"83.3"_s) +
           QStringList{
               u"Hål 1: Par  4    4.5  Okey"_s,
               countLine({0, 0, 0, 1, 1, 1, 1, 0, 0}),
               u"Hål 2: Par  4    6.3  Trippel varning"_s,
               countLine({0, 0, 0, 0, 1, 0, 1, 1, 1}),
               u"Hål 3: Par  3    4  Okey"_s,
               countLine({1, 0, 0, 0, 0, 1, 1, 1, 0}),
               u"Hål 4: Par  5    5.5  Okey"_s,
               countLine({0, 1, 0, 0, 1, 0, 1, 1, 0}),
               u"Hål 5: Par  4    5.5  Dubbel varning"_s,
               countLine(parToTrippel),
               u"Hål 6: Par  4    5.5  Dubbel varning"_s,
               countLine(parToTrippel),
               u"Hål 7: Par  3    4.5  Dubbel varning"_s,
               countLine(parToTrippel),
               u"Hål 8: Par  4    5.5  Dubbel varning"_s,
               countLine(parToTrippel),
               u"Hål 9: Par  5    5.5  Okey"_s,
               countLine({0, 0, 1, 0, 1, 1, 0, 1, 0}),
               // Holes 10 to 18 divide by all four rounds, also the 9-hole one.
               u"Hål 10: Par  4    4  Okey"_s,
               countLine(parBogeyTrippel),
               u"Hål 11: Par  3    3.3  Okey"_s,
               countLine(parBogeyTrippel),
               u"Hål 12: Par  5    4.8  Bra!"_s,
               countLine(parBogeyTrippel),
               u"Hål 13: Par  4    4  Okey"_s,
               countLine(parBogeyTrippel),
               u"Hål 14: Par  4    4  Okey"_s,
               countLine(parBogeyTrippel),
               u"Hål 15: Par  3    3.3  Okey"_s,
               countLine(parBogeyTrippel),
               u"Hål 16: Par  4    4  Okey"_s,
               countLine(parBogeyTrippel),
               u"Hål 17: Par  5    4.8  Bra!"_s,
               countLine(parBogeyTrippel),
               u"Hål 18: Par  4    4.5  Okey"_s,
               countLine({0, 0, 0, 0, 1, 1, 0, 0, 1}),
           };
}

QStringList sjoBerg2004(const QString &today, const QString &from, const QString &to)
{
    const std::array<int, 9> par{0, 0, 0, 0, 1, 0, 0, 0, 0};
    QStringList lines =
        head(today, from, to, u"Sjö/Berg"_s, 1) +
        QStringList{
            u"2004-07-01    36   Sällskapspel HCP 12.5 HCP Slope 14.2 Antal poäng 18 HCP efter 12.5  "_s} +
        averagesAndHeadings(u"36"_s);
    for (int h = 1; h <= 9; ++h)
        lines << u"Hål %1: Par  %2    %2  Okey"_s.arg(h).arg(kSjoBergPars[h - 1]) << countLine(par);
    return lines;
}

} // namespace fixture
