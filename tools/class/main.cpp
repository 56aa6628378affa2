// rectification-class: a class of individual variants for the teacher.
//   rectification-class make BASE-VARIANT [COUNT] OUT-DIR [--names FILE] [--seed S]
//                            [--spread PERCENT] [--trays MIN-MAX] [--keep-flooding] [--force]
//   rectification-class check KEY.csv ANSWERS.csv [OUT-DIR]
#include <QCommandLineParser>
#include <QGuiApplication>
#include <charconv>
#include <cstdlib>
#include <iostream>
#include <string>

#include "class/class_commands.h"
#include "program_version.h"
#include "qt/command_line.h"

namespace {

// Qt's notes about the platform (no runtime folder, no display) are not the teacher's
// business; its errors are.
void SeriousMessagesOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << "\n";
}

constexpr char kDescription[] =
    "Individual variants of the rectification column program, their key, and the checking\n"
    "of a class.\n\n"
    "  rectification-class make BASE-VARIANT COUNT OUT-DIR [--seed S] [--spread PERCENT]\n"
    "                           [--trays MIN-MAX] [--names FILE] [--keep-flooding] [--force]\n"
    "  rectification-class make BASE-VARIANT OUT-DIR --names FILE [...]\n"
    "  rectification-class check KEY.csv ANSWERS.csv [OUT-DIR]\n\n"
    "make writes the variant files 01.rcol, 02.rcol ..., key.csv, key.pdf and tasks.pdf\n"
    "into OUT-DIR, which must hold no files (--force replaces an earlier class there);\n"
    "check writes marks.csv and marks.pdf (by default into the current folder).";

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

struct Options {
  QCommandLineOption seed{QStringLiteral("seed"), QStringLiteral("The class's seed, a whole number (default 1)."),
                          QStringLiteral("S"), QStringLiteral("1")};
  QCommandLineOption spread{QStringLiteral("spread"),
                            QStringLiteral("How far a varied value may lie from the base's, in per cent: "
                                           "0 or more, below 100 (default 15)."),
                            QStringLiteral("PERCENT"), QStringLiteral("15")};
  QCommandLineOption trays{QStringLiteral("trays"), QStringLiteral("The accepted numbers of real trays (default 5-60)."),
                           QStringLiteral("MIN-MAX"), QStringLiteral("5-60")};
  QCommandLineOption names{QStringLiteral("names"),
                           QStringLiteral("The students' names, one a line: a variant each."),
                           QStringLiteral("FILE")};
  QCommandLineOption keepFlooding{QStringLiteral("keep-flooding"),
                                  QStringLiteral("Keep variants whose column floods above 85 % (by default they "
                                                 "are replaced), for a class that is to find and mend it.")};
  QCommandLineOption force{QStringLiteral("force"),
                           QStringLiteral("Remove the files an earlier make wrote into OUT-DIR first.")};

  std::vector<const QCommandLineOption*> MakeOnly() const {
    return {&seed, &spread, &trays, &names, &keepFlooding, &force};
  }
};

int Usage(const QCommandLineParser& parser, const std::string& problem) {
  return rc::CommandLineFault(parser, QString::fromStdString(problem));
}

int Report(const rc::ClassResult& r) {
  if (r.status == rc::kClassDone) {
    std::cout << r.message << "\n";
  } else {
    std::cerr << "rectification-class: " << r.message << "\n";
  }
  return r.status;
}

int Make(const QCommandLineParser& parser, const Options& o, const QStringList& args) {
  const bool withNames = parser.isSet(o.names);
  if (args.size() != 3 && !(withNames && args.size() == 2)) {
    return Usage(parser, "make takes BASE-VARIANT COUNT OUT-DIR (COUNT may be left out with --names), not " +
                             std::to_string(args.size()) + " arguments");
  }
  rc::MakeRequest r;
  r.basePath = args.front().toStdString();
  r.outDir = args.back().toStdString();
  if (args.size() == 3) {
    int count = 0;
    if (!Parse(args[1].toStdString(), count)) return Usage(parser, "COUNT is not a whole number: " + args[1].toStdString());
    r.count = count;
  }
  if (withNames) r.namesPath = parser.value(o.names).toStdString();
  r.force = parser.isSet(o.force);
  r.options.keepFlooding = parser.isSet(o.keepFlooding);
  const std::string seed = parser.value(o.seed).toStdString();
  const std::string spread = parser.value(o.spread).toStdString();
  const std::string trays = parser.value(o.trays).toStdString();
  if (!Parse(seed, r.options.seed)) return Usage(parser, "bad value of --seed: " + seed);
  if (!Parse(spread, r.options.spread) || !(r.options.spread >= 0 && r.options.spread < 100)) {
    return Usage(parser, "bad value of --spread: " + spread);
  }
  if (!ParseTrays(trays, r.options.trays)) return Usage(parser, "bad value of --trays: " + trays);
  r.version = rc::kProgramVersion;
  return Report(rc::MakeCommand(r));
}

int Check(const QCommandLineParser& parser, const Options& o, const QStringList& args) {
  for (const QCommandLineOption* option : o.MakeOnly()) {
    if (parser.isSet(*option)) return Usage(parser, "check takes no option --" + option->names().front().toStdString());
  }
  if (args.size() < 2 || args.size() > 3) {
    return Usage(parser, "check takes KEY.csv ANSWERS.csv [OUT-DIR], not " + std::to_string(args.size()) +
                             " arguments");
  }
  return Report(rc::CheckCommand(args[0].toStdString(), args[1].toStdString(),
                                 args.size() == 3 ? args[2].toStdString() : "."));
}

}  // namespace

int main(int argc, char** argv) {
  // The pages are drawn in the report font; no window is ever shown.
  qInstallMessageHandler(SeriousMessagesOnly);
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);

  QCommandLineParser parser;
  rc::BeginCommandLine(parser, "rectification-class", QString::fromUtf8(kDescription));
  const Options o;
  for (const QCommandLineOption* option : o.MakeOnly()) parser.addOption(*option);
  parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("make or check"));
  parser.addPositionalArgument(QStringLiteral("arguments"), QStringLiteral("The command's files and folders."),
                               QStringLiteral("ARGUMENTS..."));
  if (!parser.parse(app.arguments())) return Usage(parser, parser.errorText().toStdString());
  if (rc::AnswerHelpOrVersion(parser)) return 0;
  QStringList args = parser.positionalArguments();
  if (args.isEmpty()) return Usage(parser, "no command");
  const QString command = args.takeFirst();
  if (command == QLatin1String("make")) return Make(parser, o, args);
  if (command == QLatin1String("check")) return Check(parser, o, args);
  return Usage(parser, "unknown command " + command.toStdString());
}
