#include "graphicfixture.h"

void GraphTables::course(const QString &name, const std::vector<int> &pars)
{
    store::CourseRow row;
    row[store::kCourseBannamn] = name;
    row[store::kCourseAntalHal] = QString::number(pars.size());
    for (int h = 1; h <= int(pars.size()); ++h) {
        row[store::metresCell(h)] = QStringLiteral("300");
        row[store::strokeIndexCell(h)] = QString::number(h);
        row[store::parCell(h)] = QString::number(pars[h - 1]);
    }
    const int index = store::recordCount(tables.sistaCourses);
    if (int(tables.bantabell.size()) <= index)
        tables.bantabell.resize(index + 1);
    tables.bantabell[index] = row;
    tables.sistaCourses = store::Held::fromNumber(QString::number(index));
}

void GraphTables::round(const QString &datum, const QString &course, const QString &hcpFore,
                        const std::vector<int> &strokes, const QString &hcpEfter)
{
    const int index = store::recordCount(tables.sistaRounds);
    tables.rundtabell.resize(index + 1);
    tables.slagtabell.resize(index + 1);
    tables.rundtabell[index] = {datum,
                                course,
                                hcpFore,
                                hcpEfter,
                                QStringLiteral("36"),
                                QStringLiteral("S"),
                                QStringLiteral(" "),
                                QString::number(strokes.size()),
                                hcpFore};
    for (int h = 0; h < int(strokes.size()); ++h)
        tables.slagtabell[index][h] = store::Held::fromText(QString::number(strokes[h]));
    tables.sistaRounds = store::Held::fromNumber(QString::number(index));
    tables.sistaStrokes = tables.sistaRounds;
}

void PrintTo(const PlacedText &text, std::ostream *out)
{
    *out << "(" << text.x << ", " << text.y << ") \"" << text.text.toStdString() << "\"";
}

std::vector<PlacedText> printedTexts(const platform::DisplayList &list)
{
    std::vector<PlacedText> texts;
    for (const platform::DrawOp &op : list.ops()) {
        if (op.kind == platform::DrawKind::Print)
            texts.push_back({op.x, op.y, op.text});
    }
    return texts;
}

QStringList textsAt(const platform::DisplayList &list, double y)
{
    QStringList texts;
    for (const PlacedText &text : printedTexts(list)) {
        if (text.y == y)
            texts.append(text.text);
    }
    return texts;
}

int pointsOn(const platform::DisplayList &list, double y, quint32 colour)
{
    int points = 0;
    for (const platform::DrawOp &op : list.ops())
        points += op.kind == platform::DrawKind::Point && op.y == y && op.colour == colour;
    return points;
}

int count(const platform::DisplayList &list, platform::DrawKind kind)
{
    int ops = 0;
    for (const platform::DrawOp &op : list.ops())
        ops += op.kind == kind;
    return ops;
}

QStringList utf8List(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}
