#pragma once
// Fixed-width text helpers: every table lines up because every number is rendered into
// a field of a fixed number of characters in a fixed-pitch font.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace rc {

// count blanks.
std::u16string Spaces(std::uint8_t count);

// The blanks that bring text to width characters; the empty text when the text is
// already that long or longer (the text then simply runs on).
std::u16string PadWidth(std::u16string_view text, std::uint8_t width);

// The text with blanks before it to width characters; the text alone when it is already
// that long or longer.
std::u16string RightAligned(std::u16string_view text, std::size_t width);

// value with exactly `decimals` digits after the separator (halves rounded away from
// zero, from the value's shortest decimal form with at most 7 significant digits), at
// least one digit before it, never in exponent notation, right-aligned in a field of
// width characters. A text that fills or overflows the field is returned whole.
std::u16string FormatFixed(float value, std::uint8_t width, std::uint8_t decimals,
                           char16_t decimalSeparator = u'.');

}  // namespace rc
