#include "store/guard.h"

#include "store/format.h"
#include "store/items.h"

#include <QFile>

namespace store {

namespace {

// True when the first item of the file says it holds no record. A file that cannot be
// opened, or whose line 1 is no number, is left to the window's own loading to report.
bool isEmptyFile(DataFile file)
{
    QFile data(fileName(file));
    if (!data.open(QIODevice::ReadOnly))
        return false;
    ItemReader reader(data.readLine());
    const std::optional<Held> first = reader.nextHeld();
    const std::optional<int> last = first ? sistaIndexOf(*first) : std::nullopt;
    return last && *last == -1;
}

} // namespace

std::optional<FileStatus> guard(GuardFiles files)
{
    for (const DataFile file : {DataFile::Courses, DataFile::Rounds}) {
        if (isEmptyFile(file))
            return FileStatus{file, LoadStatus::Empty};
        if (files == GuardFiles::CoursesOnly)
            break;
    }
    return std::nullopt;
}

} // namespace store
