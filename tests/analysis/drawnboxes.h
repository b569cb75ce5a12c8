#pragma once

#include "kit/builders.h"
#include "platform/displaylist.h"

#include <QString>

#include <vector>

// A round as the handicap graph reads it: its date, and its handicap before and after. It
// is played on the worked example's course, 5 strokes on each of its 9 holes.
inline RoundRecord hcpRound(const QString &datum, const QString &fore, const QString &after)
{
    return {.date = datum,
            .course = QStringLiteral("Ekbacken"),
            .strokes = QList<int>(9, 5),
            .hcpFore = fore,
            .hcpEfter = after,
            .points = QStringLiteral("19"),
            .playType = QStringLiteral("S"),
            .slopeHcp = QStringLiteral("11.0")};
}

// A box read back from the list: found by its white inner line, which its top, right side
// and the four texts under it follow.
struct DrawnBox
{
    double x = 0;
    double top = 0;
    QString day;
    QString hcp;
    double hcpY = 0;
};

inline std::vector<DrawnBox> boxesOf(const platform::DisplayList &list)
{
    const std::vector<platform::DrawOp> &ops = list.ops();
    std::vector<DrawnBox> boxes;
    for (std::size_t k = 0; k + 10 < ops.size(); ++k) {
        if (ops[k].kind != platform::DrawKind::Line || ops[k].colour != platform::kBgrWhite)
            continue;
        const platform::DrawOp &dayText = ops[k + 8];
        const platform::DrawOp &hcpText = ops[k + 10];
        boxes.push_back({ops[k].x - 35, ops[k].y2, dayText.text, hcpText.text, hcpText.y});
    }
    return boxes;
}

// The days of the boxes' dates, left to right: the rounds of a test tell their boxes apart
// by the day of their datum.
inline std::vector<QString> boxDays(const platform::DisplayList &list)
{
    std::vector<QString> days;
    for (const DrawnBox &box : boxesOf(list))
        days.push_back(box.day);
    return days;
}
