#pragma once
// The draws of a class: every draw is a pure function of (seed, variant, attempt, draw),
// so a variant never depends on how many others are made, and the same numbers come
// out on every machine (no standard distributions, whose output the library chooses).
#include <cstdint>
#include <string>

namespace rc {

// [0, 1): 53 bits of a splitmix64 chain over the four numbers.
double ClassDraw(std::uint64_t seed, std::uint64_t variant, std::uint64_t attempt,
                 std::uint64_t draw);

// A positive value as a student types it: rounded half away from zero to `digits`
// significant digits, a decimal point, no trailing zeros after it, no exponent
// ("2.63", "0.055", "1700"); "0" for a value that is not positive.
std::u16string TypedValue(double value, int digits = 3);

}  // namespace rc
