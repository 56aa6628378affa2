#include "qt/command_line.h"

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

}  // namespace

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
