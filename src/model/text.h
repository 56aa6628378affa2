#pragma once
// Plain text helpers for the program's 16-bit texts.
#include <string>
#include <string_view>

namespace rc {

// Proper case: the first letter of every word (separated by blanks or joined by a
// hyphen) in upper case, all other letters in lower case (Latin, Latin-1 and Cyrillic letters are mapped).
std::u16string ProperCase(std::u16string_view text);

char16_t ToUpper(char16_t c);
char16_t ToLower(char16_t c);

// A whole number in plain decimal digits ("-" for negative numbers).
std::u16string DecimalText(long long value);

std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);  // invalid bytes become U+FFFD

}  // namespace rc
