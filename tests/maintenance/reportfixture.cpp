#include "reportfixture.h"

#include "kit/datafiles.h"
#include "store/loading.h"

#include <array>

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

RoundFileLines roundLines()
{
    return roundFileLines({
        // par everywhere, one stroke on hole 3
        {.date = u"2003-05-10"_s,
         .course = u"Björkås"_s,
         .strokes = {4, 4, 1, 5, 4, 4, 3, 4, 5, 4, 3, 5, 4, 4, 3, 4, 5, 4},
         .hcpFore = u"12.3"_s,
         .hcpEfter = u"12.4"_s,
         .points = u"36"_s,
         .playType = u"T"_s,
         .slopeHcp = u"14.0"_s},
        // bogeys, 8 on hole 2, 2 on hole 4
        {.date = u"2004-06-01"_s,
         .course = u"Björkås"_s,
         .strokes = {5, 8, 4, 2, 5, 5, 4, 5, 6, 5, 4, 6, 5, 5, 4, 5, 6, 5},
         .hcpFore = u"12.4"_s,
         .hcpEfter = u"12.5"_s,
         .points = u"30"_s,
         .playType = u"S"_s,
         .note = u"Blåsigt"_s,
         .slopeHcp = u"14.1"_s},
        // par everywhere
        {.date = u"2004-07-01"_s,
         .course = u"Sjö/Berg"_s,
         .strokes = {3, 4, 5, 3, 4, 5, 3, 4, 5},
         .hcpFore = u"12.5"_s,
         .hcpEfter = u"12.5"_s,
         .points = u"18"_s,
         .playType = u"S"_s,
         .slopeHcp = u"14.2"_s},
        {.date = u"2004-07-15"_s,
         .course = u"björkås"_s,
         .strokes = QList<int>(18, 1), // ones everywhere
         .hcpFore = u"12.5"_s,
         .hcpEfter = u"12.5"_s,
         .points = u"20"_s,
         .playType = u"T"_s,
         .slopeHcp = u"14.2"_s},
        // double bogeys, 3 on hole 9
        {.date = u"2004-08-24"_s,
         .course = u"Björkås"_s,
         .strokes = {6, 6, 5, 7, 6, 6, 5, 6, 3},
         .hcpFore = u"12.5"_s,
         .hcpEfter = u"12.6"_s,
         .points = u"22"_s,
         .playType = u"X"_s,
         .note = u"Regn"_s,
         .slopeHcp = u"14.2"_s},
        // triple bogeys, 3 on hole 1, 9 on hole 18
        {.date = u"2005-04-02"_s,
         .course = u"Björkås"_s,
         .strokes = {3, 7, 6, 8, 7, 7, 6, 7, 8, 7, 6, 8, 7, 7, 6, 7, 8, 9},
         .hcpFore = u"12.6"_s,
         .hcpEfter = u"12.6"_s,
         .points = u"15"_s,
         .playType = u"E"_s,
         .slopeHcp = u"14.3"_s},
    });
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

// Lines at the columns of the report: the class headings, and one hole's nine counts.
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
    const RoundFileLines rounds = roundLines();
    writeLines(u"VERUNDAR"_s, rounds.rounds);
    writeLines(u"VERUNDAH"_s, rounds.strokes);
    writeLines(u"VERUNDAK"_s, rounds.extended);
}

store::Tables reportTables()
{
    store::Tables tables;
    store::readCourses(fileBytes(courseLines()), tables, 111);
    const RoundFileLines rounds = roundLines();
    store::readRounds(fileBytes(rounds.rounds), tables);
    store::readStrokes(fileBytes(rounds.strokes), tables);
    store::readExtended(fileBytes(rounds.extended), tables);
    return tables;
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
