#include <QApplication>

#include "qt/qt_toolkit.h"
#include "ui/program.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  rc::QtToolkit toolkit;
  rc::Application app(toolkit);
  rc::StartProgram(app);
  return QApplication::exec();
}
