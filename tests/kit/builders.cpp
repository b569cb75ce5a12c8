#include "kit/builders.h"

#include "store/cp1252.h"

using namespace Qt::StringLiterals;

QByteArray fileBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        store::cp1252::appendEncoded(bytes, line);
        bytes += QByteArrayLiteral("\r\n");
    }
    return bytes;
}

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

QStringList courseRecordLines(const QString &name, const QList<CourseHole> &holes)
{
    QStringList lines{quoted(name), quoted(QString::number(holes.size()))};
    for (const CourseHole &hole : holes)
        lines << quoted(QString::number(hole.metres)) << quoted(QString::number(hole.strokeIndex))
              << quoted(QString::number(hole.par));
    return lines;
}

QStringList plainCourseLines(const QString &name, int holes, int metres)
{
    QList<CourseHole> plain;
    for (int hole = 1; hole <= holes; ++hole)
        plain.append({metres + hole, hole, 4});
    return courseRecordLines(name, plain);
}

QStringList parCourseLines(const QString &name, const QList<int> &pars, int metres)
{
    QList<CourseHole> holes;
    for (int hole = 1; hole <= pars.size(); ++hole)
        holes.append({metres, hole, pars[hole - 1]});
    return courseRecordLines(name, holes);
}

namespace {

QString lineOne(qsizetype records, store::LineOneForm form)
{
    const QString last = QString::number(records - 1);
    return form == store::LineOneForm::Number ? last : quoted(last);
}

} // namespace

QStringList fileLines(const QList<QStringList> &records, store::LineOneForm form)
{
    QStringList lines{lineOne(records.size(), form)};
    for (const QStringList &record : records)
        lines << record;
    return lines;
}

RoundFileLines roundFileLines(const QList<RoundRecord> &rounds, store::LineOneForm form)
{
    const QString last = lineOne(rounds.size(), form);
    RoundFileLines lines{{last}, {last}, {last}};
    for (const RoundRecord &round : rounds) {
        const QString holes = QString::number(round.strokes.size());
        for (const QString &field : {round.date, round.course, round.hcpFore, round.hcpEfter, round.points,
                                     round.playType, round.note, holes, round.slopeHcp})
            lines.rounds << quoted(field);
        for (int strokes : round.strokes)
            lines.strokes << (round.bareStrokes ? QString::number(strokes)
                                                : quoted(QString::number(strokes)));
        lines.extended << quoted(round.extended.isEmpty() ? u'I' + QString(6 * round.strokes.size(), u'-')
                                                          : round.extended);
    }
    return lines;
}
