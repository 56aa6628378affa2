#include "report/date_text.h"

#include <gtest/gtest.h>

#include <utility>

#include "model/text.h"
#include "support/recording_toolkit.h"

namespace rc {
namespace {

struct DateCase {
  const char* what;
  std::u16string shortDate;
  std::u16string time;
  std::u16string expected;
};

// The clock's date in every case; it only shows where the short date cannot be read.
constexpr CalendarDate kClock{2027, 3, 1};

TEST(DateTimeText, ReadsDayFirstAndMonthFirstShortDates) {
  const DateCase cases[] = {
      {"Russian settings", u"07.12.2026", u"10:15:30", u" 07 декабря 2026г.        10:15:30"},
      {"Russian, 1 March", u"01.03.2027", u"09:05:00", u" 01 марта 2027г.        09:05:00"},
      {"US settings: the day after the slash", u"3/1/2027", u"9:05:00 AM",
       u" 1 марта 2027г.        9:05:00 AM"},
      {"US, December", u"12/7/2026", u"10:15:30", u" 7 декабря 2026г.        10:15:30"},
      {"January", u"31.01.2026", u"0:00:01", u" 31 января 2026г.        0:00:01"},
      {"day first, month above 12", u"07.13.2026", u"10:15:30",
       u" 07 декабря 2026г.        10:15:30"},
      {"month first, month above 12", u"15/07/2026", u"10:15:30",
       u" 07 декабря 2026г.        10:15:30"},
  };
  for (const DateCase& c : cases) {
    EXPECT_EQ(DateTimeText(c.shortDate, c.time, kClock), c.expected) << c.what;
  }
}

TEST(DateTimeText, EveryMonthHasItsWord) {
  const std::u16string words[] = {u" января ", u" февраля ", u" марта ",    u" апреля ",
                                  u" мая ",    u" июня ",    u" июля ",     u" августа ",
                                  u" сентября ", u" октября ", u" ноября ", u" декабря "};
  for (int month = 1; month <= 12; ++month) {
    const std::u16string date =
        u"05." + std::u16string(month < 10 ? u"0" : u"") + DecimalText(month) + u".2026";
    EXPECT_EQ(DateTimeText(date, u"12:00:00", kClock),
              u" 05" + words[month - 1] + u"2026г.        12:00:00")
        << month;
  }
}

TEST(DateTimeText, FallsBackToTheClockForDatesItCannotRead) {
  const std::pair<const char*, std::u16string> unreadable[] = {
      {"ISO date", u"2026-12-07"},         {"month 0, dotted", u"07.00.2026"},
      {"month 0, slashed", u"0/7/2026"},   {"two-digit year", u"07.12.26"},
      {"empty", u""},                      {"no day", u".12.2026"},
      {"month not a number", u"07.дек.2026"},
  };
  for (const auto& [what, shortDate] : unreadable) {
    EXPECT_EQ(DateTimeText(shortDate, u"10:15:30", kClock), u" 01 марта 2027г.        10:15:30") << what;
  }
}

TEST(DateTimeText, ClockFallbackWritesATwoDigitDay) {
  EXPECT_EQ(DateTimeText(u"2026-12-25", u"23:59:59", CalendarDate{2026, 12, 25}),
            u" 25 декабря 2026г.        23:59:59");
  EXPECT_EQ(DateTimeText(u"2026-07-04", u"08:00", CalendarDate{2026, 7, 4}),
            u" 04 июля 2026г.        08:00");
}

}  // namespace
}  // namespace rc
