#pragma once
// The date and time in words for the printed reports' header.
#include <string>

namespace rc {

struct CalendarDate {
  int year = 2000;
  int month = 1;
  int day = 1;
};

// From the regional short date ("07.12.2026" day first, "12/7/2026" month first) and
// time texts: a blank, the day as written, the month in words, the year with "г.",
// eight blanks and the time. Any other short date format, or a month number 0, falls
// back to the day, month and year of the clock (today).
std::u16string DateTimeText(const std::u16string& shortDate, const std::u16string& time,
                            const CalendarDate& today);

}  // namespace rc
