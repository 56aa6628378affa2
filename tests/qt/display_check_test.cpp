// The start-up check that tells the student how to get a display.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "qt/display_check.h"

namespace rc {
namespace {

// Sets the display variables for one case and puts the old values back afterwards.
class DisplayEnv {
 public:
  DisplayEnv() {
    for (const char* name : kNames) {
      const char* value = std::getenv(name);
      saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
      unsetenv(name);
    }
  }
  ~DisplayEnv() {
    for (std::size_t i = 0; i < saved_.size(); ++i) {
      if (saved_[i]) setenv(kNames[i], saved_[i]->c_str(), 1);
      else unsetenv(kNames[i]);
    }
  }
  static constexpr const char* kNames[] = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};

 private:
  std::vector<std::optional<std::string>> saved_;
};

TEST(DisplayCheck, NamesTheMissingDisplayAndAcceptsAnExplicitPlatform) {
  struct Case {
    const char* display;
    const char* wayland;
    const char* platform;
    bool missing;
  };
  for (const Case& c : {Case{nullptr, nullptr, nullptr, true},
                        Case{":9173", nullptr, nullptr, true},  // no such X server here
                        Case{nullptr, nullptr, "offscreen", false},
                        Case{nullptr, "wayland-0", nullptr, false},
                        Case{"remotehost:0", nullptr, nullptr, false}}) {
    DisplayEnv env;
    if (c.display) setenv("DISPLAY", c.display, 1);
    if (c.wayland) setenv("WAYLAND_DISPLAY", c.wayland, 1);
    if (c.platform) setenv("QT_QPA_PLATFORM", c.platform, 1);
    EXPECT_EQ(!MissingDisplayReason().empty(), c.missing) << (c.display ? c.display : "-");
  }
}

TEST(DisplayCheck, TheMessageSaysHowToGetAVirtualDisplay) {
  const std::string message = NoDisplayMessage("rectification", "не задан DISPLAY");
  EXPECT_NE(message.find("xvfb-run"), std::string::npos);
  EXPECT_NE(message.find("нет дисплея"), std::string::npos);
  EXPECT_NE(message.find("не задан DISPLAY"), std::string::npos);
}

}  // namespace
}  // namespace rc
