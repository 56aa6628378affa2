#include "model/number_text.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>

namespace rc {
namespace {

bool Ignored(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }
bool Digit(char16_t c) { return c >= u'0' && c <= u'9'; }

// strtod in the "C" locale, whatever locale the program runs under.
double ParseC(const std::string& text) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return strtod_l(text.c_str(), nullptr, cLocale);
}

}  // namespace

float ReadNumber(std::u16string_view text) {
  // Gather the characters that matter, skipping the ignored ones, and stop at the
  // first character that cannot continue the number.
  std::string number;
  std::size_t i = 0;
  auto skip = [&] {
    while (i < text.size() && Ignored(text[i])) ++i;
  };
  skip();
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    number.push_back(static_cast<char>(text[i]));
    ++i;
  }
  bool mantissaDigits = false;
  for (skip(); i < text.size() && Digit(text[i]); ++i, skip()) {
    number.push_back(static_cast<char>(text[i]));
    mantissaDigits = true;
  }
  if (i < text.size() && text[i] == u'.') {
    number.push_back('.');
    for (++i, skip(); i < text.size() && Digit(text[i]); ++i, skip()) {
      number.push_back(static_cast<char>(text[i]));
      mantissaDigits = true;
    }
  }
  if (!mantissaDigits) return 0.0f;
  if (i < text.size() && (text[i] == u'E' || text[i] == u'e' || text[i] == u'D' || text[i] == u'd')) {
    std::string exponent = "e";
    ++i;
    skip();
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
      exponent.push_back(static_cast<char>(text[i]));
      ++i;
    }
    bool exponentDigits = false;
    for (skip(); i < text.size() && Digit(text[i]); ++i, skip()) {
      exponent.push_back(static_cast<char>(text[i]));
      exponentDigits = true;
    }
    if (exponentDigits) number += exponent;
  }
  return static_cast<float>(ParseC(number));
}

std::u16string NormalizeNumberText(std::u16string_view text) {
  if (text.empty()) return u"0";
  std::u16string out(text);
  if (auto comma = out.find(u','); comma != std::u16string::npos) out[comma] = u'.';
  return out;
}

bool IsOutsideUnitRange(float value) { return value > 1.0f || !(value >= 0.0f); }

}  // namespace rc
