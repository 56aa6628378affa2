#include <QApplication>
#include <QString>
#include <cstdio>

#include "qt/command_line.h"
#include "qt/display_check.h"
#include "qt/qt_toolkit.h"

int main(int argc, char** argv) {
  // --version and --help answer without a display, before Qt is started.
  if (const auto answer = rc::CommandLineAnswer(argc, argv, RC_VERSION)) {
    std::fputs(answer->c_str(), stdout);
    return 0;
  }
  if (const std::string unknown = rc::UnknownOption(argc, argv); !unknown.empty()) {
    std::fputs(rc::UnknownOptionText(unknown).c_str(), stderr);
    return 2;
  }
  if (const std::string reason = rc::MissingDisplayReason(); !reason.empty()) {
    std::fputs(rc::NoDisplayMessage("rectification", reason).c_str(), stderr);
    return 2;
  }
  QApplication qapp(argc, argv);
  // Qt has taken its own options out of argv; what is left may name a data file.
  std::optional<std::u16string> dataFile;
  if (const auto file = rc::DataFileArgument(argc, argv)) {
    dataFile = QString::fromLocal8Bit(file->c_str()).toStdU16String();
  }
  return rc::RunProgram(dataFile);
}
