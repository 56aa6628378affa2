#pragma once
// A number in a cell as a student or a spreadsheet writes it: a sign, digits with a
// decimal point or comma, blanks (also no-break ones) between groups of three digits
// of the whole part, an exponent ("1.0210E-01"). Held exactly, as digits * 10^exponent,
// so that a check never depends on how a binary float rounds.
#include <optional>
#include <string>
#include <string_view>

namespace rc {

struct CellNumber {
  long long digits = 0;  // signed
  int exponent = 0;
  int decimals = 0;      // the place of the last digit written: 4 for "0.1021" and "1.021E-01"
  std::string text;      // as written, with a decimal point and without the group blanks

  // The value when it is a whole number (1.0 and 1E1 are); empty otherwise.
  std::optional<long long> Whole() const;
};

// Empty for a text that is no such number, or has more than 18 digits.
std::optional<CellNumber> ReadCellNumber(std::string_view text);

// Whether answer lies within half a unit of the `decimals`-th decimal place of key;
// with decimals 0 (an integer) it must be exactly the key. False when the two are too far
// apart in size to be compared digit by digit (more than 18 places).
bool WithinHalfAUnit(const CellNumber& answer, const CellNumber& key, int decimals);

}  // namespace rc
