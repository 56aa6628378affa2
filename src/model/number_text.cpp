#include "model/number_text.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string_view>
#include <system_error>

namespace rc {
namespace {

bool Ignored(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }
bool Digit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Whether a number that does not fit a double is too large rather than too small: the
// decimal exponent of its first significant digit is positive. digits holds no sign.
bool BeyondDoubleRange(std::string_view digits) {
  const std::size_t e = std::min(digits.find('e'), digits.size());
  std::string_view text = digits.substr(std::min(e + 1, digits.size()));  // the exponent
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long long exponent = 0;
  if (std::from_chars(text.data(), text.data() + text.size(), exponent).ec ==
      std::errc::result_out_of_range) {
    return text.front() != '-';  // more than 18 exponent digits decide alone
  }
  const std::string_view mantissa = digits.substr(0, e);
  const auto point = static_cast<long long>(std::min(mantissa.find('.'), mantissa.size()));
  const auto first = static_cast<long long>(mantissa.find_first_of("123456789"));
  return exponent + point - first + (first > point ? 1 : 0) > 0;
}

// The gathered number (an optional sign, digits with at most one point, an optional
// exponent) read with a point whatever locale the program runs under; out of range it
// reads as infinity when too large and as zero when too small, with its sign.
double ParseGathered(std::string_view number) {
  const bool negative = !number.empty() && number.front() == '-';
  if (!number.empty() && (negative || number.front() == '+')) number.remove_prefix(1);
  double value = 0;
  if (std::from_chars(number.data(), number.data() + number.size(), value).ec ==
      std::errc::result_out_of_range) {
    value = BeyondDoubleRange(number) ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

// Gathers the text's leading number into `number` (sign, digits, point, exponent),
// skipping the ignored characters and stopping at the first that cannot continue it.
// False when the text holds no digit before its exponent: no number at all.
bool GatherNumber(std::u16string_view text, std::string& number) {
  std::size_t i = 0;
  auto skip = [&] {
    while (i < text.size() && Ignored(text[i])) ++i;
  };
  // A sign, if one stands next; a run of digits, blanks between them ignored.
  auto sign = [&](std::string& into) {
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) into.push_back(static_cast<char>(text[i++]));
  };
  auto digits = [&](std::string& into) {
    bool any = false;
    for (skip(); i < text.size() && Digit(text[i]); ++i, skip()) {
      into.push_back(static_cast<char>(text[i]));
      any = true;
    }
    return any;
  };
  skip();
  sign(number);
  bool mantissaDigits = digits(number);
  if (i < text.size() && text[i] == u'.') {
    number.push_back('.');
    ++i;
    mantissaDigits = digits(number) || mantissaDigits;
  }
  if (!mantissaDigits) return false;
  if (i < text.size() && (text[i] == u'E' || text[i] == u'e' || text[i] == u'D' || text[i] == u'd')) {
    std::string exponent = "e";
    ++i;
    skip();
    sign(exponent);
    if (digits(exponent)) number += exponent;
  }
  return true;
}

}  // namespace

float ReadNumber(std::u16string_view text) {
  std::string number;
  if (!GatherNumber(text, number)) return 0.0f;
  return static_cast<float>(ParseGathered(number));
}

bool HoldsNumber(std::u16string_view text) {
  std::string number;
  return GatherNumber(text, number);
}

std::u16string NormalizeNumberText(std::u16string_view text) {
  if (text.empty()) return u"0";
  std::u16string out(text);
  if (auto comma = out.find(u','); comma != std::u16string::npos) out[comma] = u'.';
  return out;
}

bool IsOutsideUnitRange(float value) { return value > 1.0f || !(value >= 0.0f); }

bool KeepTypedNumber(std::u16string_view typed, bool unitRange, std::u16string& text,
                     float& value) {
  text = NormalizeNumberText(typed);
  value = ReadNumber(text);
  if (!unitRange || !IsOutsideUnitRange(value)) return false;
  text = kRejectedText;
  value = 0;
  return true;
}

}  // namespace rc
