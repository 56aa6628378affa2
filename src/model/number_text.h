#pragma once
// How a typed text becomes a number, and the tidying of a typed number text.
#include <string>
#include <string_view>

namespace rc {

// The longest leading number of the text, rounded to a 32-bit float. Blanks, tabs and
// line feeds are ignored wherever they stand; an optional sign, digits with "." as the
// only decimal separator and an optional exponent introduced by E or D (either case)
// are read; reading stops at the first other character; no number reads as 0. A number
// too large for a float reads as infinity, which every check rejects.
float ReadNumber(std::u16string_view text);

// Whether the text begins with a number as ReadNumber reads it (at least one digit
// before any exponent); "abc", "nan", "один" and the empty text hold none.
bool HoldsNumber(std::u16string_view text);

// An empty text becomes "0"; otherwise the first comma becomes a point.
std::u16string NormalizeNumberText(std::u16string_view text);

// The 0..1 rule for compositions and equilibrium values: above 1, or not at least 0.
bool IsOutsideUnitRange(float value);

inline constexpr char16_t kRejectedText[] = u"???";

// How an answer typed at a prompt (or read from a data file) is kept: its text
// normalised and the number read from it; under the 0..1 rule (unitRange) a number
// outside 0..1 is kept as "???" and 0. True when the 0..1 rule rejected it.
bool KeepTypedNumber(std::u16string_view typed, bool unitRange, std::u16string& text,
                     float& value);

}  // namespace rc
