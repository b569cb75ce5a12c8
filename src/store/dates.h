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

// The years a year bar spans where it picks among all stored rounds (the deletion and the
// handicap graph); the round register enters a year over a narrower range of its own.
inline constexpr int kFirstYear = 1990;
inline constexpr int kLastYear = 2100;

} // namespace store
