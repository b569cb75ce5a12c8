#pragma once

#include <QStringView>

// A stored datum ("YYYY-MM-DD") read by position, the same way in every window.
namespace store {

// The leading numbers of characters 1-4 (year), 6-7 (month) and 9-10 (day); a missing
// or non-numeric piece counts as 0.
struct Date
{
    double year = 0;
    double month = 0;
    double day = 0;

    friend bool operator==(const Date &, const Date &) = default;
};
Date readDate(QStringView datum);

// Earlier by year, then month, then day.
bool isEarlier(const Date &a, const Date &b);

} // namespace store
