#include "maxdata.h"

#include "store/format.h"
#include "store/tables.h"
#include "store/writing.h"

#include <QDate>

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

store::CourseRow courseRow(int row)
{
    store::CourseRow course;
    course[0] = maxDataCourseName(row);
    course[1] = QStringLiteral("18");
    for (int hole = 1; hole <= store::kMaxHoles; ++hole) {
        const int par = kPar[hole - 1];
        course[std::size_t(store::metresCell(hole))] = QString::number(60 * par + (row * 7 + hole * 13) % 90);
        course[std::size_t(store::strokeIndexCell(hole))] = QString::number(kStrokeIndex[hole - 1]);
        course[std::size_t(store::parCell(hole))] = QString::number(par);
    }
    return course;
}

// Round i of the file in date order: one day after the one before.
void fillRound(store::Tables &tables, std::size_t row, int i, RoundCourses courses)
{
    const int course = courses == RoundCourses::OneCourse ? 0 : i % store::kMaxCourses;
    const QDate date = QDate(2000, 1, 1).addDays(i);
    const int hcp = 50 + (i * 37) % 400;
    tables.rundtabell[row] = {date.toString(QStringLiteral("yyyy-MM-dd")),
                              maxDataCourseName(course),
                              handicap(hcp),
                              handicap(hcp - 1),
                              QString::number(20 + i % 25),
                              QStringLiteral("TSE").mid(i % 3, 1),
                              QStringLiteral("Runda %1").arg(i),
                              QStringLiteral("18"),
                              handicap(hcp + 12)};
    QString extended = QStringLiteral("F");
    for (int h = 0; h < store::kMaxHoles; ++h) {
        const int seed = i * 31 + h * 7;
        tables.slagtabell[row][std::size_t(h)] =
            store::Held::fromText(QString::number(kPar[h] - 1 + seed % 4));
        extended += kPar[h] < 4 ? u'N' : (seed % 2 ? u'J' : u'N');
        extended += seed % 3 ? u'J' : u'N';
        extended += QString::number(seed % 2) + QString::number(seed % 3 == 0) +
                    QString::number(seed % 2 == 0) + QString::number(1 + seed % 3);
    }
    tables.utokad_tabell[row] = extended;
}

} // namespace

QString maxDataCourseName(int row)
{
    return QStringLiteral("Bana %1").arg(row, 3, 10, QChar(u'0'));
}

void writeMaxData(int rounds, RoundOrder order, RoundCourses courses)
{
    store::Tables tables;
    for (int row = 0; row < store::kMaxCourses; ++row)
        tables.bantabell.push_back(courseRow(row));
    tables.rundtabell.resize(std::size_t(rounds));
    tables.slagtabell.resize(std::size_t(rounds));
    tables.utokad_tabell.resize(std::size_t(rounds));
    for (int i = 0; i < rounds; ++i) {
        const int row = order == RoundOrder::Ascending ? i : rounds - 1 - i;
        fillRound(tables, std::size_t(row), i, courses);
    }
    const store::RoundFileBytes roundFiles = store::roundFileBytes(tables, rounds);
    const bool written = store::saveSet({
        {store::fileName(store::DataFile::Courses),
         store::courseFileBytes(tables.bantabell, store::kMaxCourses)},
        {store::fileName(store::DataFile::Rounds), roundFiles.rounds},
        {store::fileName(store::DataFile::Strokes), roundFiles.strokes},
        {store::fileName(store::DataFile::Extended), roundFiles.extended},
    }).saved();
    if (!written)
        std::abort(); // a benchmark on missing files would measure nothing
}
