#pragma once
// Keyboard layouts cannot be switched from a program here: the request is remembered
// (so it can be checked) and nothing else changes.
#include <cstdint>
#include <vector>

namespace rc {

class KeyboardLayoutRecord {
 public:
  void Activate(std::uint32_t layout) { requested_.push_back(layout); }
  // The layout asked for last; 0 before any request.
  std::uint32_t Current() const { return requested_.empty() ? 0 : requested_.back(); }
  const std::vector<std::uint32_t>& Requested() const { return requested_; }

 private:
  std::vector<std::uint32_t> requested_;
};

}  // namespace rc
