#include <QApplication>
#include <QCommandLineParser>
#include <QString>
#include <cstdio>

#include "qt/command_line.h"
#include "qt/display_check.h"
#include "qt/qt_toolkit.h"

int main(int argc, char** argv) {
  QCommandLineParser parser;
  rc::DescribeProgramCommandLine(parser);
  const auto tooManyFiles = [&parser] { return parser.positionalArguments().size() > 1; };
  const auto fileCountFault = [&parser] {
    return rc::CommandLineFault(parser, rc::ArgumentCountProblem(QStringLiteral("at most one data file"),
                                                                 parser.positionalArguments()));
  };
  // --version and --help answer without a display, before Qt is started. A command line
  // that holds no option unknown here (none of Qt's) is judged whole at once; otherwise
  // Qt takes its own options first.
  const bool parsed = parser.parse(rc::CommandLineArguments(argc, argv));
  if (rc::AnswerHelpOrVersion(parser)) return 0;
  if (parsed && tooManyFiles()) return fileCountFault();
  if (const std::string reason = rc::MissingDisplayReason(); !reason.empty()) {
    // A bad option is named first: it would have been refused on a display too.
    if (const QString problem = rc::ProgramCommandLineProblem(rc::CommandLineArguments(argc, argv));
        !parsed && !problem.isEmpty()) {
      const QString line = QCoreApplication::applicationName() + QStringLiteral(": ") + problem + u'\n';
      std::fputs(line.toStdString().c_str(), stderr);
    }
    std::fputs(rc::NoDisplayMessage("rectification", reason).c_str(), stderr);
    return 2;
  }
  QApplication qapp(argc, argv);
  if (!parser.parse(QCoreApplication::arguments())) {
    return rc::CommandLineFault(parser, parser.errorText());
  }
  if (tooManyFiles()) return fileCountFault();
  std::optional<std::u16string> dataFile;
  if (!parser.positionalArguments().isEmpty()) {
    dataFile = parser.positionalArguments().front().toStdU16String();
  }
  return rc::RunProgram(dataFile);
}
