#include <QApplication>
#include <cstdio>

#include "qt/display_check.h"
#include "qt/qt_toolkit.h"
#include "qt/russian_texts.h"

int main(int argc, char** argv) {
  if (const std::string reason = rc::MissingDisplayReason(); !reason.empty()) {
    std::fputs(rc::NoDisplayMessage("rectification", reason).c_str(), stderr);
    return 2;
  }
  QApplication qapp(argc, argv);
  rc::InstallRussianQtTexts(qapp);
  // The program ends by its own end buttons (or when its last window is closed).
  QApplication::setQuitOnLastWindowClosed(false);
  return rc::RunProgram();
}
