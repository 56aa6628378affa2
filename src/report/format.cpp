#include "report/format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace rc {
namespace {

constexpr std::size_t kSignificantDigits = 7;

}  // namespace

std::u16string Spaces(std::uint8_t count) { return std::u16string(count, u' '); }

std::u16string PadWidth(std::u16string_view text, std::uint8_t width) {
  if (text.size() >= width) return {};
  return std::u16string(width - text.size(), u' ');
}

std::u16string RightAligned(std::u16string_view text, std::size_t width) {
  std::u16string aligned(width > text.size() ? width - text.size() : 0, u' ');
  return aligned.append(text);
}

std::u16string FormatFixed(float value, std::uint8_t width, std::uint8_t decimals,
                           char16_t decimalSeparator) {
  std::u16string text;
  if (!std::isfinite(value)) {
    text = u"???";  // never reached by the calculations, which refuse such data
  } else {
    // The shortest decimal form that reads back as the stored value: digits d0.d1d2...
    // times 10^exponent. A 32-bit value may need 8 or 9 digits for that; it is then
    // written with 7 significant digits, as many as a 32-bit value holds, whatever its size.
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                std::chars_format::scientific);
    if (std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)).find('e') >
        kSignificantDigits + 1) {  // the digits and their point come before the 'e'
      result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(std::fabs(value)),
                             std::chars_format::scientific, kSignificantDigits - 1);
    }
    const std::string_view sci(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, e)) {
      if (c != '.') digits.push_back(c);
    }
    const int exponent = std::atoi(std::string(sci.substr(e + 1)).c_str());
    // Place the digits on a fixed grid: integer part and `decimals` fraction digits,
    // plus one guard digit for rounding.
    const int intDigits = exponent >= 0 ? exponent + 1 : 1;
    const int lead = exponent >= 0 ? 0 : -exponent;  // zeros after the point before d0
    std::string grid(static_cast<std::size_t>(intDigits + decimals + 1), '0');
    for (std::size_t k = 0; k < digits.size(); ++k) {
      const int pos = exponent >= 0 ? static_cast<int>(k) : intDigits + lead - 1 + static_cast<int>(k);
      if (pos < static_cast<int>(grid.size())) grid[static_cast<std::size_t>(pos)] = digits[k];
    }
    // Digits beyond the guard digit only matter when the guard is exactly 5 followed by
    // nothing: halves round away from zero, so any 5 rounds up.
    const bool roundUp = grid.back() >= '5';
    grid.pop_back();
    if (roundUp) {
      int k = static_cast<int>(grid.size()) - 1;
      while (k >= 0 && grid[static_cast<std::size_t>(k)] == '9') grid[static_cast<std::size_t>(k--)] = '0';
      if (k >= 0) {
        ++grid[static_cast<std::size_t>(k)];
      } else {
        grid.insert(grid.begin(), '1');
      }
    }
    const std::size_t intLen = grid.size() - decimals;
    std::string integer = grid.substr(0, intLen);
    const std::size_t firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? "0" : integer.substr(firstNonZero);
    const bool allZero = grid.find_first_not_of('0') == std::string::npos;
    if (value < 0 && !allZero) text.push_back(u'-');
    text.append(integer.begin(), integer.end());
    if (decimals > 0) {
      text.push_back(decimalSeparator);
      text.append(grid.begin() + static_cast<std::ptrdiff_t>(intLen), grid.end());
    }
  }
  if (text.size() < width) text.insert(0, width - text.size(), u' ');
  return text;
}

}  // namespace rc
