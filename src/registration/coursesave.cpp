#include "registration/coursesave.h"

#include "registration/roundkeys.h"
#include "store/cp1252.h"
#include "store/numbers.h"
#include "store/writing.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace registration {
namespace {

constexpr int kLastStatusRow = store::kMaxCourses - 1;

const QString &totalPrefix()
{
    static const QString prefix = u"Totalt "_s;
    return prefix;
}

double cellValue(const store::CourseRow &row, int cell)
{
    return store::numericValue(row[cell]);
}

} // namespace

QString noCourseText()
{
    return u"Inga filer är registrerad sedan tidigare."_s;
}

QString coursesTotalText(int courseCount)
{
    return totalPrefix() + store::numberTextWithBlank(courseCount) + u" filer är registrerad."_s;
}

int lastCourseRow(const store::Tables &tables)
{
    return store::heldCourses(tables) - 1;
}

void writeStatusTexts(std::vector<store::CourseRow> &bantabell, int sistaBana)
{
    const QString text = sistaBana < 0 ? noCourseText() : coursesTotalText(sistaBana + 1);
    const int last = std::min(kLastStatusRow, static_cast<int>(bantabell.size()) - 1);
    for (int row = std::max(sistaBana + 1, 0); row <= last; ++row)
        bantabell[row][store::kCourseBannamn] = text;
}

bool isFreeRow(const store::CourseRow &row)
{
    const QString &name = row[store::kCourseBannamn];
    return name.isEmpty() || isReservedName(name);
}

bool isReservedName(QStringView name)
{
    return name.startsWith(totalPrefix()) || name == noCourseText();
}

bool canAddCourse(int sistaBana)
{
    return sistaBana + 1 < store::kMaxCourses;
}

int nameKey(QString &name, int code)
{
    if (code == kQuote)
        return 0;
    if (code == kBackspace && !name.isEmpty())
        name.chop(1);
    else if (code >= kFirstPrintable)
        name += store::cp1252::charFromCode(code);
    return code;
}

CourseChoice decideCourse(bool nameGiven, bool optionChosen, bool rowFree, int sistaBana)
{
    if (nameGiven)
        return CourseChoice::NewCourse;
    if (!optionChosen || rowFree || sistaBana < 0)
        return CourseChoice::Beep;
    return CourseChoice::Change;
}

store::FileChange newCourseFile(const std::vector<store::CourseRow> &bantabell, int count)
{
    return {.files = {{store::fileName(store::DataFile::Courses), store::courseFileBytes(bantabell, count)}}};
}

int countCompleteHoles(store::CourseRow &row)
{
    for (int hole = 1; hole <= store::kMaxHoles; ++hole) {
        if (cellValue(row, store::metresCell(hole)) > 1) {
            for (const int cell : {store::strokeIndexCell(hole), store::parCell(hole)})
                if (cellValue(row, cell) == 0)
                    row[cell] = u"1"_s;
        }
        for (const int cell : {store::metresCell(hole), store::strokeIndexCell(hole), store::parCell(hole)})
            if (cellValue(row, cell) == 0)
                return hole - 1;
    }
    return store::kMaxHoles;
}

} // namespace registration
