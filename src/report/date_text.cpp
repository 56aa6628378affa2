#include "report/date_text.h"

#include <array>
#include <cmath>
#include <string_view>

#include "model/number_text.h"
#include "model/text.h"

namespace rc {
namespace {

// The month in words, with a blank on each side, for months 1..12.
constexpr std::array<std::u16string_view, 12> kMonthWords = {
    u" января ", u" февраля ", u" марта ",    u" апреля ",  u" мая ",    u" июня ",
    u" июля ",   u" августа ", u" сентября ", u" октября ", u" ноября ", u" декабря "};

constexpr std::u16string_view kBeforeTime = u"        ";  // eight blanks

bool AllDigits(std::u16string_view text) {
  if (text.empty()) return false;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return false;
  }
  return true;
}

std::u16string Assemble(std::u16string_view day, int month, std::u16string_view year,
                        const std::u16string& time) {
  std::u16string text = u" ";
  text += day;
  text += kMonthWords[static_cast<std::size_t>(month - 1)];
  text += year;
  text += u"г.";
  text += kBeforeTime;
  text += time;
  return text;
}

// The date as the clock gives it, written like a day-first short date.
std::u16string FromClock(const std::u16string& time, const CalendarDate& today) {
  std::u16string day = DecimalText(today.day);
  if (day.size() < 2) day.insert(0, 1, u'0');
  const int month = today.month < 1 ? 1 : (today.month > 12 ? 12 : today.month);
  return Assemble(day, month, DecimalText(today.year), time);
}

}  // namespace

std::u16string DateTimeText(const std::u16string& shortDate, const std::u16string& time,
                            const CalendarDate& today) {
  // The short date must end in a four-digit year after a one-character separator.
  const std::u16string_view date(shortDate);
  if (date.size() < 6) return FromClock(time, today);
  const std::u16string_view year = date.substr(date.size() - 4);
  if (!AllDigits(year)) return FromClock(time, today);
  const std::u16string_view rest = date.substr(0, date.size() - 5);

  // Day first with ".", otherwise month first with "/".
  std::u16string_view day, monthText;
  if (const auto dot = rest.find(u'.'); dot != std::u16string_view::npos) {
    day = rest.substr(0, dot);
    monthText = rest.substr(dot + 1);
  } else if (const auto slash = rest.find(u'/'); slash != std::u16string_view::npos) {
    monthText = rest.substr(0, slash);
    day = rest.substr(slash + 1);
  } else {
    return FromClock(time, today);
  }
  if (!AllDigits(day)) return FromClock(time, today);

  float month = ReadNumber(monthText);
  if (month > 12) month = 12;
  // A month 0 (or anything that is not a month) has no word: the clock's date is used.
  if (!(month >= 1) || month != std::floor(month)) return FromClock(time, today);
  return Assemble(day, static_cast<int>(month), year, time);
}

}  // namespace rc
