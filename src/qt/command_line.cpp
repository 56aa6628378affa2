#include "qt/command_line.h"

#include <QCoreApplication>
#include <cstdio>

#include "program_version.h"

namespace rc {

void BeginCommandLine(QCommandLineParser& parser, const char* programName, const QString& description) {
  QCoreApplication::setApplicationName(QString::fromLatin1(programName));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));
  parser.setApplicationDescription(description);
  parser.addHelpOption();
  parser.addVersionOption();
}

QStringList CommandLineArguments(int argc, const char* const* argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

std::string UsageText(const QCommandLineParser& parser) {
  QString text = parser.helpText();
  // Qt's usage line names the program by the path it was started by, or by a placeholder
  // while there is no application object.
  const QString started = QCoreApplication::instance() ? QCoreApplication::arguments().value(0)
                                                       : QStringLiteral("<executable_name>");
  if (const qsizetype at = started.isEmpty() ? -1 : text.indexOf(started); at >= 0) {
    text.replace(at, started.size(), QCoreApplication::applicationName());
  }
  return text.toStdString();
}

int CommandLineFault(const QCommandLineParser& parser, const QString& problem) {
  const QString line = QCoreApplication::applicationName() + QStringLiteral(": ") + problem;
  std::fprintf(stderr, "%s\n%s", line.toStdString().c_str(), UsageText(parser).c_str());
  return kBadCommandLine;
}

bool AnswerHelpOrVersion(const QCommandLineParser& parser) {
  if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
    std::fputs(UsageText(parser).c_str(), stdout);
    return true;
  }
  if (parser.isSet(QStringLiteral("version"))) {
    const QString version = QCoreApplication::applicationName() + u' ' +
                            QCoreApplication::applicationVersion() + u'\n';
    std::fputs(version.toStdString().c_str(), stdout);
    return true;
  }
  return false;
}

QString ArgumentCountProblem(const QString& expected, const QStringList& given) {
  QString problem = QStringLiteral("%1 expected, not %2").arg(expected).arg(given.size());
  if (!given.isEmpty()) problem += QStringLiteral(": ") + given.join(u' ');
  return problem;
}

void DescribeProgramCommandLine(QCommandLineParser& parser) {
  BeginCommandLine(
      parser, "rectification",
      QStringLiteral(
          "Учебная программа проектного расчета тарельчатой ректификационной колонны.\n"
          "A teaching program for the design calculation of a tray rectification column.\n"
          "Без параметров программа открывает свои окна; ей нужен дисплей (X11 или Wayland).\n"
          "Without options the program opens its windows; it needs a display (X11 or Wayland)."));
  parser.addPositionalArgument(
      QStringLiteral("ФАЙЛ.rcol"),
      QStringLiteral("начать работу с данными из файла (start with the data saved in the file)"),
      QStringLiteral("[ФАЙЛ.rcol]"));
}

QString ProgramCommandLineProblem(const QStringList& arguments) {
  QCommandLineParser parser;
  DescribeProgramCommandLine(parser);
  // The options QGuiApplication and QApplication take out of the command line themselves,
  // written with one dash or two: with a value, and without.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
                           "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display",
                           "geometry", "name", "title", "visual", "style", "stylesheet"}) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  if (parser.parse(arguments)) return {};
  QStringList unknown;
  for (const QString& name : parser.unknownOptionNames()) {
    unknown << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
  }
  if (unknown.isEmpty()) return parser.errorText();
  return (unknown.size() == 1 ? QStringLiteral("неизвестный параметр ")
                              : QStringLiteral("неизвестные параметры ")) +
         unknown.join(QStringLiteral(", "));
}

}  // namespace rc
