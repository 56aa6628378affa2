#include "class/class_number.h"

#include <algorithm>

namespace rc {
namespace {

constexpr std::size_t kMaxDigits = 18;  // what a long long holds
constexpr int kMaxExponent = 99;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The no-break blanks a spreadsheet puts between digit groups, as plain blanks; the
// blanks at the ends removed.
std::string WithPlainBlanks(std::string_view text) {
  std::string s;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.substr(i, 2) == "\xC2\xA0") {
      s += ' ';
      i += 1;
    } else if (text.substr(i, 3) == "\xE2\x80\xAF") {
      s += ' ';
      i += 2;
    } else {
      s += text[i];
    }
  }
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// v * 10^n for n >= 0, or nothing when it does not fit.
std::optional<long long> Scaled(long long v, int n) {
  if (v == 0) return 0;
  if (n < 0 || n > static_cast<int>(kMaxDigits)) return std::nullopt;
  long long out = v;
  for (int i = 0; i < n; ++i) {
    if (__builtin_mul_overflow(out, 10, &out)) return std::nullopt;
  }
  return out;
}

}  // namespace

std::optional<long long> CellNumber::Whole() const {
  if (exponent >= 0) return Scaled(digits, exponent);
  const std::optional<long long> unit = Scaled(1, -exponent);
  if (!unit) return digits == 0 ? std::optional<long long>(0) : std::nullopt;
  if (digits % *unit != 0) return std::nullopt;
  return digits / *unit;
}

std::optional<CellNumber> ReadCellNumber(std::string_view raw) {
  const std::string s = WithPlainBlanks(raw);
  std::size_t i = 0;
  CellNumber n;
  const bool negative = !s.empty() && s[0] == '-';
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) n.text += s[i++];

  // The whole part; a blank only between groups, the groups after it of three digits.
  std::string whole;
  std::size_t group = 0;
  bool grouped = false;
  while (i < s.size()) {
    if (IsDigit(s[i])) {
      whole += s[i++];
      ++group;
    } else if (s[i] == ' ' && i + 1 < s.size() && IsDigit(s[i + 1]) && group > 0 &&
               (grouped ? group == 3 : group <= 3)) {
      grouped = true;
      group = 0;
      ++i;
    } else {
      break;
    }
  }
  if (grouped && group != 3) return std::nullopt;
  n.text += whole;

  std::string fraction;
  if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
    for (++i; i < s.size() && IsDigit(s[i]); ++i) fraction += s[i];
    n.text += "." + fraction;
  }
  if (whole.empty() && fraction.empty()) return std::nullopt;

  int exponent = 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t e = i + 1;
    const bool below = e < s.size() && s[e] == '-';
    if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
    const std::size_t first = e;
    for (; e < s.size() && IsDigit(s[e]); ++e) {
      exponent = exponent * 10 + (s[e] - '0');
      if (exponent > kMaxExponent) return std::nullopt;
    }
    if (e == first) return std::nullopt;
    n.text += s.substr(i, e - i);
    if (below) exponent = -exponent;
    i = e;
  }
  if (i != s.size()) return std::nullopt;

  std::string all = whole + fraction;
  all.erase(0, std::min(all.find_first_not_of('0'), all.size()));
  if (all.size() > kMaxDigits) return std::nullopt;
  for (char c : all) n.digits = n.digits * 10 + (c - '0');
  if (negative) n.digits = -n.digits;
  const int places = static_cast<int>(fraction.size());
  n.exponent = exponent - places;
  n.decimals = places - exponent;
  return n;
}

bool WithinHalfAUnit(const CellNumber& answer, const CellNumber& key, int decimals) {
  const int common = std::min({answer.exponent, key.exponent, -decimals});
  const std::optional<long long> a = Scaled(answer.digits, answer.exponent - common);
  const std::optional<long long> k = Scaled(key.digits, key.exponent - common);
  long long difference = 0, twice = 0;
  if (!a || !k || __builtin_sub_overflow(*a, *k, &difference)) return false;
  if (decimals <= 0) return difference == 0;
  const std::optional<long long> unit = Scaled(1, -decimals - common);
  if (!unit || __builtin_mul_overflow(difference, 2, &twice)) return false;
  return twice <= *unit && twice >= -*unit;
}

}  // namespace rc
