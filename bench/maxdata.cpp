#include "maxdata.h"

#include "kit/builders.h"
#include "store/format.h"

#include <QDate>
#include <QFile>

#include <algorithm>
#include <cstdlib>

namespace {

// Stroke indexes 1..18 in a fixed shuffled order, and pars with four par 3s and par 5s.
constexpr int kStrokeIndex[store::kMaxHoles] = {7, 15, 1, 11, 3, 17, 9,  13, 5,
                                                8, 16, 2, 12, 4, 18, 10, 14, 6};
constexpr int kPar[store::kMaxHoles] = {4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4, 4};

QString handicap(int tenths)
{
    return QString::number(tenths / 10) + u'.' + QString::number(tenths % 10);
}

QStringList courseRecord(int row)
{
    QList<CourseHole> holes;
    for (int hole = 1; hole <= store::kMaxHoles; ++hole) {
        const int par = kPar[hole - 1];
        holes.append({60 * par + (row * 7 + hole * 13) % 90, kStrokeIndex[hole - 1], par});
    }
    return courseRecordLines(maxDataCourseName(row), holes);
}

// Round i of the file in date order: one day after the one before.
RoundRecord round(int i, RoundCourses courses)
{
    const int course = courses == RoundCourses::OneCourse ? 0 : i % store::kMaxCourses;
    const QDate date = QDate(2000, 1, 1).addDays(i);
    const int hcp = 50 + (i * 37) % 400;
    RoundRecord round{.date = date.toString(QStringLiteral("yyyy-MM-dd")),
                      .course = maxDataCourseName(course),
                      .strokes = {},
                      .hcpFore = handicap(hcp),
                      .hcpEfter = handicap(hcp - 1),
                      .points = QString::number(20 + i % 25),
                      .playType = QStringLiteral("TSE").mid(i % 3, 1),
                      .note = QStringLiteral("Runda %1").arg(i),
                      .slopeHcp = handicap(hcp + 12),
                      .extended = QStringLiteral("F")};
    for (int h = 0; h < store::kMaxHoles; ++h) {
        const int seed = i * 31 + h * 7;
        round.strokes.append(kPar[h] - 1 + seed % 4);
        round.extended += kPar[h] < 4 ? u'N' : (seed % 2 ? u'J' : u'N');
        round.extended += seed % 3 ? u'J' : u'N';
        round.extended += QString::number(seed % 2) + QString::number(seed % 3 == 0) +
                          QString::number(seed % 2 == 0) + QString::number(1 + seed % 3);
    }
    return round;
}

// A benchmark on missing files would measure nothing.
void write(const QString &name, const QStringList &lines)
{
    const QByteArray bytes = fileBytes(lines);
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

} // namespace

QString maxDataCourseName(int row)
{
    return QStringLiteral("Bana %1").arg(row, 3, 10, QChar(u'0'));
}

void writeMaxData(int rounds, RoundOrder order, RoundCourses courses)
{
    QList<QStringList> courseRecords;
    for (int row = 0; row < store::kMaxCourses; ++row)
        courseRecords.append(courseRecord(row));
    QList<RoundRecord> roundRecords;
    for (int i = 0; i < rounds; ++i)
        roundRecords.append(round(i, courses));
    if (order == RoundOrder::Descending)
        std::reverse(roundRecords.begin(), roundRecords.end());
    const RoundFileLines roundLines = roundFileLines(roundRecords);
    write(QStringLiteral("VEMTORBF"), fileLines(courseRecords));
    write(QStringLiteral("VERUNDAR"), roundLines.rounds);
    write(QStringLiteral("VERUNDAH"), roundLines.strokes);
    write(QStringLiteral("VERUNDAK"), roundLines.extended);
}
