#pragma once
// Keyboard layouts. On X11 the layout asked for is made current by locking the XKB group
// that holds it, through the X connection Qt already has; where the keyboard has no such
// group, or the windows are not on X11, nothing changes. Every request is remembered as
// well, so that it can be checked on any platform.
#include <cstdint>
#include <optional>
#include <string>
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

// The group, among the keyboard's group names (index = group number), that holds the
// layout: 0x04190419 a Russian group ("Russian", "Russian (phonetic)" ...), 0x04090409 an
// English (US) one. The first that fits; nullopt when none does or the layout is unknown.
std::optional<int> GroupForLayout(const std::vector<std::string>& groupNames, std::uint32_t layout);

// The XKB groups of the core keyboard of the X display the windows are on. Without an X11
// display (another Qt platform, no QGuiApplication) there are none: empty, nullopt, false.
std::vector<std::string> KeyboardGroupNames();
std::optional<int> CurrentKeyboardGroup();
bool LockKeyboardGroup(int group);

// Locks the group holding the layout, where there is one. True when a group was locked.
bool SwitchKeyboardLayout(std::uint32_t layout);

}  // namespace rc
