#pragma once

#include "store/filechange.h"
#include "store/tables.h"

#include <QString>
#include <QStringView>

#include <vector>

// The course register's rules over its course table: the texts of the free rows, the
// mirrored name keys, the decision of the OK button, the count of complete holes and the
// new course file.
namespace registration {

// Cell 0 of every row when the file holds no course.
QString noCourseText();
// "Totalt  3 filer är registrerad.": cell 0 of the rows after the last course.
QString coursesTotalText(int courseCount);

// The index of the last course row read into the table (-1: none), never past the table.
int lastCourseRow(const store::Tables &tables);
// Cell 0 of the rows after the last course, up to row 100, gets its status text.
void writeStatusTexts(std::vector<store::CourseRow> &bantabell, int sistaBana);

// A row holds no course: its name is empty, begins with "Totalt " or is the no-course text.
bool isFreeRow(const store::CourseRow &row);
// A new name that would read as a free row.
bool isReservedName(QStringView name);
// Room for one more course among the 101 the register holds.
bool canAddCourse(int sistaBana);

// A key typed into the name box, mirrored into the name: Backspace drops the last
// character, a printable code is appended. Returns the code the box takes; a double
// quote is swallowed (0), since the file cannot hold it.
int nameKey(QString &name, int code);

enum class CourseChoice { NewCourse, Beep, Change };
// OK's decision, first rule first: a typed name starts a new course; otherwise a chosen
// option on a row that holds a course, with courses registered, starts a change.
// rowFree is read only when no name is given.
CourseChoice decideCourse(bool nameGiven, bool optionChosen, bool rowFree, int sistaBana);

// The register's save: the course file with rows 0 .. count-1, every course read from the
// file kept (also one whose name reads as a free row), the new one last.
store::FileChange newCourseFile(const std::vector<store::CourseRow> &bantabell, int count);

// Counts the complete holes from hole 1, stopping at the first hole whose metres, stroke
// index or par is 0. On a hole longer than 1 metre a stroke index or par of 0 becomes "1"
// first; the holes after the stop are left as they are.
int countCompleteHoles(store::CourseRow &row);

} // namespace registration
