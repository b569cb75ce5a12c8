#include "maintenance/reportfile.h"

#include "store/cp1252.h"
#include "store/format.h"
#include "store/numbers.h"

using namespace Qt::StringLiterals;

namespace maintenance {

namespace {

// Columns count from 1; a part at column n follows blanks up to column n - 1.
constexpr std::array<int, kClassCount> kHeadingColumns = {70, 75, 86, 93, 101, 106, 113, 121, 130};
constexpr std::array<int, kClassCount> kCountColumns = {71, 81, 94, 103, 111, 118, 128, 138, 148};

void tabTo(QString &line, int column)
{
    // Every part of a tabbed line ends before the next column.
    Q_ASSERT(line.size() <= column - 1);
    line.resize(column - 1, u' ');
}

QString headingLine()
{
    QString line;
    for (int c = 0; c < kClassCount; ++c) {
        tabTo(line, kHeadingColumns[c]);
        line += kClassHeadings[c];
    }
    return line;
}

QString countLine(const ClassCounts &counts)
{
    QString line;
    for (int c = 0; c < kClassCount; ++c) {
        tabTo(line, kCountColumns[c]);
        line += u' ' + QString::number(counts[c]) + u' ';
    }
    return line;
}

QString holeLine(int hole, double par, double average)
{
    return u"Hål "_s + QString::number(hole) + u": Par "_s + store::numberTextWithBlank(par) + u"   "_s +
           store::numberTextWithBlank(average) + u"  "_s + holeVerdict(average, par);
}

class LineWriter
{
public:
    void line(QStringView text)
    {
        store::cp1252::appendEncoded(m_bytes, text);
        m_bytes.append(store::kLineEnd);
    }
    void blank() { line(u" "); }
    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

} // namespace

QString reportFileName(const QString &course, const QString &fromCaption, const QString &toCaption)
{
    QString name = course + u"  from "_s + fromCaption + u" tom "_s + toCaption;
    for (QChar &c : name)
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control)
            c = u'_';
    return name;
}

QString holeVerdict(double average, double par)
{
    if (average >= par + 3)
        return u"Detta hål bör du verkligen kolla upp"_s;
    if (average > par + 2)
        return u"Trippel varning"_s;
    if (average > par + 1)
        return u"Dubbel varning"_s;
    if (average >= par)
        return u"Okey"_s;
    return u"Bra!"_s;
}

QByteArray reportFileBytes(const Report &report, const QString &course, const QString &fromCaption,
                           const QString &toCaption, const QString &today)
{
    LineWriter file;
    file.line(u"Utskriftsdatum  "_s + today);
    file.blank();
    file.line(u"Du har valt år "_s + fromCaption + u" tom "_s + toCaption);
    file.blank();
    file.line(course + u" Antal rundor är "_s + store::numberTextWithBlank(report.roundCount()));
    file.blank();
    for (const QString &roundLine : report.roundLines)
        file.line(roundLine);
    file.blank();
    file.blank();
    file.line(u"Genomsnittet antalet slag per runda är  "_s +
              store::numberTextWithBlank(report.roundAverage));
    file.blank();
    file.line(u"Redovisningen nedan visas utifrån banans par, ej utifrån ditt HCP.");
    file.line(
        u"Kommer i en framtida version att lägga in så att du har möjlighet att visa jmfrt med ditt HCP.");
    file.blank();
    file.line(headingLine());
    for (int hole = 1; hole <= report.reportedHoles(); ++hole) {
        const int i = hole - 1;
        file.line(holeLine(hole, report.tally.pars[i], report.holeAverages[i]));
        file.line(countLine(report.tally.classCounts[i]));
    }
    return file.bytes();
}

QString reportWrittenMessage(const QString &fileName)
{
    return u"Har skapat information om banan till datafilen "_s + fileName;
}

} // namespace maintenance
