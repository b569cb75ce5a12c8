#include "store/dates.h"

#include <QString>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(StoredDate, ReadsYearMonthAndDayByPosition)
{
    struct Case
    {
        QString datum;
        double year, month, day;
    };
    const Case cases[] = {
        {u"2004-05-07"_s, 2004, 5, 7},
        {u"04-05-07"_s, 4, 0, 0},        // a two-digit year shifts month and day out of place
        {u"2004-12-0"_s, 2004, 12, 0},   // an empty day text
        {u"2004-123-07"_s, 2004, 12, 0}, // a three-character month: the day is read from "-0"
        {u""_s, 0, 0, 0},
        {u"abcd-ef-gh"_s, 0, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.datum.toStdString());
        const store::Date key = store::readDate(c.datum);
        EXPECT_EQ(key.year, c.year);
        EXPECT_EQ(key.month, c.month);
        EXPECT_EQ(key.day, c.day);
    }
}

} // namespace
