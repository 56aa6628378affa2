#pragma once
// An array indexed by the numbers the program uses for its items (parameters 16..40,
// limits 19..40) rather than from zero.
#include <array>
#include <cstddef>

namespace rc {

template <class T, int First, int Last>
struct Numbered {
  static_assert(Last >= First);
  std::array<T, static_cast<std::size_t>(Last - First + 1)> items{};

  constexpr T& operator[](int n) { return items.at(static_cast<std::size_t>(n - First)); }
  constexpr const T& operator[](int n) const {
    return items.at(static_cast<std::size_t>(n - First));
  }
  static constexpr int first() { return First; }
  static constexpr int last() { return Last; }
  bool operator==(const Numbered&) const = default;
};

}  // namespace rc
