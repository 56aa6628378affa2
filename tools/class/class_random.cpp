#include "class/class_random.h"

#include <cmath>

namespace rc {
namespace {

std::uint64_t SplitMix64(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

// 10^n for n = 0..22, each exact in a double.
double PowerOfTen(int n) {
  double p = 1;
  for (int i = 0; i < n; ++i) p *= 10;
  return p;
}

// value * 10^decimals (decimals may be negative), rounded half away from zero.
long long Scaled(double value, int decimals) {
  const double scaled = decimals >= 0 ? value * PowerOfTen(decimals) : value / PowerOfTen(-decimals);
  return std::llround(scaled);
}

}  // namespace

double ClassDraw(std::uint64_t seed, std::uint64_t variant, std::uint64_t attempt,
                 std::uint64_t draw) {
  std::uint64_t h = SplitMix64(seed);
  h = SplitMix64(h ^ variant);
  h = SplitMix64(h ^ attempt);
  h = SplitMix64(h ^ draw);
  return static_cast<double>(h >> 11) * 0x1.0p-53;
}

std::u16string TypedValue(double value, int digits) {
  if (!(value > 0) || !std::isfinite(value) || digits < 1 || digits > 15) return u"0";
  const long long low = std::llround(PowerOfTen(digits - 1)), high = low * 10;
  int decimals = 0;
  long long m = Scaled(value, decimals);
  while (m >= high && decimals > -22) m = Scaled(value, --decimals);
  while (m < low && decimals < 22) m = Scaled(value, ++decimals);
  if (m >= high) m = Scaled(value, --decimals);  // 9.995 rounded up to 10.0: one digit fewer
  std::u16string text;
  for (char c : std::to_string(m)) text += static_cast<char16_t>(c);
  if (decimals <= 0) return text + std::u16string(static_cast<std::size_t>(-decimals), u'0');
  const auto d = static_cast<std::size_t>(decimals);
  if (text.size() <= d) text.insert(0, d + 1 - text.size(), u'0');
  text.insert(text.size() - d, 1, u'.');
  while (text.back() == u'0') text.pop_back();
  if (text.back() == u'.') text.pop_back();
  return text;
}

}  // namespace rc
