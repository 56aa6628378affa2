#include "qt/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace rc {
namespace {

constexpr std::string_view kProgram = "rectification";

std::string VersionText(const std::string& version) {
  return std::string(kProgram) + " " + version + "\n" +
         "Ректификационная колонна: потарельчатый расчет и кинетическая линия\n"
         "Rectification column: tray-by-tray design and kinetic line\n";
}

std::string HelpText() {
  const std::string program(kProgram);
  return "Использование: " + program + " [--help | --version | ФАЙЛ.rcol]\n" +
         "Учебная программа проектного расчета тарельчатой ректификационной колонны.\n"
         "  -h, --help   показать эту справку и завершить работу\n"
         "  --version    показать версию программы и завершить работу\n"
         "  ФАЙЛ.rcol    начать работу с данными из файла\n"
         "Без параметров программа открывает свои окна; ей нужен дисплей (X11 или Wayland).\n"
         "\n"
         "Usage: " + program + " [--help | --version | FILE.rcol]\n" +
         "A teaching program for the design calculation of a tray rectification column.\n"
         "  -h, --help   show this help and exit\n"
         "  --version    show the program's version and exit\n"
         "  FILE.rcol    start with the data saved in the file\n"
         "Without options the program opens its windows; it needs a display (X11 or Wayland).\n";
}

// The options QApplication takes for itself (with one dash or two); those in the first
// list take the next argument as their value unless it is joined by "=".
constexpr std::array<std::string_view, 14> kQtOptionsWithValue = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style", "stylesheet",
    "name", "title"};
constexpr std::array<std::string_view, 6> kQtFlags = {
    "reverse", "widgetcount", "nograb", "dograb", "sync", "qmljsdebugger"};

template <std::size_t N>
bool Holds(const std::array<std::string_view, N>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::string UnknownOption(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    // "--" ends the options; a lone "-" and every other argument are not options.
    if (arg == "--") break;
    if (arg.size() < 2 || arg[0] != '-') continue;
    if (arg == "--version" || arg == "--help" || arg == "-h") continue;
    std::string_view name = arg.substr(arg[1] == '-' ? 2 : 1);
    const bool joinedValue = name.find('=') != std::string_view::npos;
    name = name.substr(0, name.find('='));
    if (Holds(kQtOptionsWithValue, name)) {
      if (!joinedValue) ++i;  // its value
      continue;
    }
    if (Holds(kQtFlags, name)) continue;
    return std::string(arg);
  }
  return {};
}

std::string UnknownOptionText(const std::string& option) {
  return std::string(kProgram) + ": неизвестный параметр «" + option + "» (unknown option '" +
         option + "')\n\n" + HelpText();
}

std::optional<std::string> CommandLineAnswer(int argc, const char* const* argv,
                                             const std::string& version) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--version") return VersionText(version);
    if (arg == "--help" || arg == "-h") return HelpText();
  }
  return std::nullopt;
}

std::optional<std::string> DataFileArgument(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (!arg.empty() && arg.front() != '-') return std::string(arg);
  }
  return std::nullopt;
}

}  // namespace rc
