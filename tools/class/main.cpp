// rectification-class: a class of individual variants for the teacher.
//   rectification-class make BASE-VARIANT COUNT OUT-DIR [--seed S] [--spread PERCENT]
//                            [--trays MIN-MAX]
//   rectification-class check KEY.csv ANSWERS.csv [OUT-DIR]
#include <QGuiApplication>
#include <charconv>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "class/class_commands.h"
#include "program_version.h"

namespace {

// Qt's notes about the platform (no runtime folder, no display) are not the teacher's
// business; its errors are.
void SeriousMessagesOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << "\n";
}

constexpr char kUsage[] =
    "Usage: rectification-class make BASE-VARIANT COUNT OUT-DIR [--seed S] [--spread PERCENT]\n"
    "                                [--trays MIN-MAX]\n"
    "       rectification-class check KEY.csv ANSWERS.csv [OUT-DIR]\n"
    "make writes the variant files 01.rcol, 02.rcol ..., key.csv, key.pdf and tasks.pdf;\n"
    "check writes marks.csv and marks.pdf (by default into the current folder).\n"
    "Defaults: --seed 1 --spread 15 --trays 5-60.\n";

template <class T>
bool Parse(const std::string& text, T& value) {
  const char* end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && at == end;
}

bool ParseTrays(const std::string& text, rc::TrayRange& range) {
  const auto dash = text.find('-');
  return dash != std::string::npos && Parse(text.substr(0, dash), range.min) &&
         Parse(text.substr(dash + 1), range.max) && range.min >= 1 && range.min <= range.max;
}

int Usage(const std::string& problem) {
  std::cerr << "rectification-class: " << problem << "\n" << kUsage;
  return rc::kClassBadInput;
}

int Make(const std::vector<std::string>& args) {
  std::vector<std::string> positional;
  rc::ClassOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--seed" || a == "--spread" || a == "--trays") {
      if (i + 1 >= args.size()) return Usage(a + " needs a value");
      const std::string& v = args[++i];
      const bool ok = a == "--seed"     ? Parse(v, options.seed)
                      : a == "--spread" ? Parse(v, options.spread) && options.spread >= 0 &&
                                              options.spread < 100
                                        : ParseTrays(v, options.trays);
      if (!ok) return Usage("bad value of " + a + ": " + v);
    } else {
      positional.push_back(a);
    }
  }
  int count = 0;
  if (positional.size() != 3) return Usage("make takes BASE-VARIANT COUNT OUT-DIR");
  if (!Parse(positional[1], count) || count < 1 || count > rc::kMaxClassSize) {
    return Usage("COUNT must be a whole number 1.." + std::to_string(rc::kMaxClassSize));
  }
  const rc::ClassResult r = rc::MakeCommand(positional[0], count, positional[2], options, rc::kProgramVersion);
  if (r.status != rc::kClassDone) std::cerr << "rectification-class: " << r.message << "\n";
  return r.status;
}

int Check(const std::vector<std::string>& args) {
  if (args.size() < 2 || args.size() > 3) return Usage("check takes KEY.csv ANSWERS.csv [OUT-DIR]");
  const rc::ClassResult r = rc::CheckCommand(args[0], args[1], args.size() == 3 ? args[2] : ".");
  for (const std::string& s : r.skipped) std::cerr << s << " (skipped)\n";
  if (r.status != rc::kClassDone) std::cerr << "rectification-class: " << r.message << "\n";
  return r.status;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage("no command");
  if (args[0] == "--help" || args[0] == "-h") {
    std::cout << kUsage;
    return 0;
  }
  if (args[0] == "--version") {
    std::cout << "rectification-class " << rc::kProgramVersion << "\n";
    return 0;
  }
  // The pages are drawn in the report font; no window is ever shown.
  qInstallMessageHandler(SeriousMessagesOnly);
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  const std::string command = args[0];
  args.erase(args.begin());
  if (command == "make") return Make(args);
  if (command == "check") return Check(args);
  return Usage("unknown command " + command);
}
