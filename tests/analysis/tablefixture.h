#pragma once

#include "store/tables.h"

#include <QList>
#include <QString>

// Window tables built in memory, as the loader would fill them from the data files.
class TableFixture
{
public:
    // A course of pars.size() holes, 100 metres each, stroke index = hole number.
    void addCourse(const QString &name, const QList<int> &pars)
    {
        store::CourseRow row;
        row[store::kCourseBannamn] = name;
        row[store::kCourseAntalHal] = QString::number(pars.size());
        for (int h = 1; h <= pars.size(); ++h) {
            row[store::metresCell(h)] = QStringLiteral("100");
            row[store::strokeIndexCell(h)] = QString::number(h);
            row[store::parCell(h)] = QString::number(pars[h - 1]);
        }
        m_tables.bantabell.push_back(row);
        m_tables.sistaCourses = store::Held::fromNumber(QString::number(m_tables.bantabell.size() - 1));
    }

    void addRound(const QString &date, const QString &course, const QList<int> &strokes,
                  const QString &utokadRad = QStringLiteral("I"))
    {
        store::RoundRow round;
        round[store::kDatum] = date;
        round[store::kBannamn] = course;
        round[store::kAntalHal] = QString::number(strokes.size());
        m_tables.rundtabell.push_back(round);
        store::StrokeRow row;
        for (int h = 0; h < strokes.size(); ++h)
            row[h] = store::Held::fromText(QString::number(strokes[h]));
        m_tables.slagtabell.push_back(row);
        m_tables.utokad_tabell.push_back(utokadRad);
        m_tables.sistaRounds = m_tables.sistaStrokes = m_tables.sistaExtended =
            store::Held::fromNumber(QString::number(m_tables.rundtabell.size() - 1));
    }

    const store::Tables &tables() const { return m_tables; }

private:
    store::Tables m_tables;
};
