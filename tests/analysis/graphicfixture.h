#pragma once

#include "platform/displaylist.h"
#include "store/tables.h"

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <ostream>
#include <vector>

// Tables for the graph tests, built row by row, and readers of what a display list shows.
struct GraphTables
{
    store::Tables tables;

    // A course with these pars (its hole count is their number).
    void course(const QString &name, const std::vector<int> &pars);
    void round(const QString &datum, const QString &course, const QString &hcpFore,
               const std::vector<int> &strokes, const QString &hcpEfter = QStringLiteral("12.0"));
};

QStringList utf8List(std::initializer_list<const char *> texts);

struct PlacedText
{
    double x;
    double y;
    QString text;
    bool operator==(const PlacedText &) const = default;
};
void PrintTo(const PlacedText &text, std::ostream *out);

// Every printed text in order, with its top-left corner.
std::vector<PlacedText> printedTexts(const platform::DisplayList &list);
// The printed texts whose top edge is at y.
QStringList textsAt(const platform::DisplayList &list, double y);
// The points of one colour on the row y.
int pointsOn(const platform::DisplayList &list, double y, quint32 colour);
// The operations of a kind.
int count(const platform::DisplayList &list, platform::DrawKind kind);
