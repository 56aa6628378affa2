#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "qt/qt_toolkit.h"
#include "ui/program.h"

namespace {

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (!HasDisplay()) {
    std::fputs(
        "rectification: no display to show its windows on (DISPLAY and WAYLAND_DISPLAY are "
        "not set).\n"
        "Run it inside a desktop session, or on a virtual display:\n"
        "  xvfb-run -a -s '-screen 0 1280x1024x24' rectification\n",
        stderr);
    return 2;
  }
  QApplication qapp(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  rc::QtToolkit toolkit;
  rc::Application app(toolkit);
  toolkit.Attach(app);
  rc::StartProgram(app);
  toolkit.Sync();
  return QApplication::exec();
}
