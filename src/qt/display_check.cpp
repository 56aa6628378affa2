#include "qt/display_check.h"

#include <cstdlib>
#include <filesystem>

namespace rc {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// A local X display ":N" or ":N.S" has its socket in /tmp/.X11-unix.
bool LocalXDisplayMissing(const std::string& display) {
  if (display.empty() || display[0] != ':') return false;  // remote or unusual: let Qt try
  const std::string number = display.substr(1, display.find('.') - 1);
  if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) return false;
  std::error_code error;
  return !std::filesystem::exists("/tmp/.X11-unix/X" + number, error);
}

}  // namespace

std::string MissingDisplayReason() {
  if (!Env("QT_QPA_PLATFORM").empty() || !Env("WAYLAND_DISPLAY").empty()) return {};
  const std::string display = Env("DISPLAY");
  if (display.empty()) return "не заданы DISPLAY и WAYLAND_DISPLAY";
  if (LocalXDisplayMissing(display)) return "X-сервер не отвечает на DISPLAY " + display;
  return {};
}

std::string NoDisplayMessage(const std::string& program, const std::string& reason) {
  return program + ": нет дисплея, на котором можно показать окна (" + reason + ").\n" +
         "Запустите программу в графическом сеансе или на виртуальном дисплее:\n" +
         "  xvfb-run -a -s '-screen 0 1280x1024x24' " + program + "\n";
}

}  // namespace rc
