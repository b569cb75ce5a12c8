#pragma once

#include "store/tables.h"

#include <QString>
#include <QStringList>

// Data files for the report tests, and the reports they give, line by line.
//
// Courses: row 0 "Björkås" (18 holes, par 72), row 1 "Sjö/Berg" (9 holes), row 2
// "Tallbacken" (9 holes, no round). Rounds in file order:
//   0  2003-05-10  Björkås   18 holes  T  70 strokes
//   1  2004-06-01  Björkås   18 holes  S  89 strokes
//   2  2004-07-01  Sjö/Berg   9 holes  S  36 strokes
//   3  2004-07-15  björkås   18 holes  T  (another name: never in a Björkås report)
//   4  2004-08-24  Björkås    9 holes  X  50 strokes (an unknown type of play)
//   5  2005-04-02  Björkås   18 holes  E  124 strokes
namespace fixture {

inline constexpr int kBjorkasRow = 0;
inline constexpr int kSjoBergRow = 1;
inline constexpr int kTallbackenRow = 2;

void writeReportFiles();
store::Tables reportTables();

// The report lines of Björkås for 2004 (rounds 1 and 4: the last has 9 holes) and for
// 2003 to 2005 (rounds 0, 1, 4 and 5), and of Sjö/Berg for 2004; the captions as shown.
QStringList bjorkas2004(const QString &today, const QString &from, const QString &to);
QStringList bjorkas2003To2005(const QString &today, const QString &from, const QString &to);
QStringList sjoBerg2004(const QString &today, const QString &from, const QString &to);

} // namespace fixture
