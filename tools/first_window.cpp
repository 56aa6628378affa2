// Starts the program exactly as it starts for the student and quits as soon as its
// first window has been painted on the screen: a whole-process measure of start-up.
//   first-window [--png FILE]   FILE: the first window as painted, saved as PNG
#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <cstring>

#include "qt/display_check.h"
#include "qt/qt_toolkit.h"

namespace {

class FirstPaint : public QObject {
 public:
  explicit FirstPaint(const char* pngPath) : pngPath_(pngPath) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!done_ && event->type() == QEvent::Paint) {
      auto* widget = qobject_cast<QWidget*>(watched);
      if (widget && widget->isWindow()) {
        done_ = true;
        QWidget* window = widget;
        const char* path = pngPath_;
        // After this paint has finished: save it if asked, then quit.
        QMetaObject::invokeMethod(
            qApp,
            [window, path] {
              if (path) window->grab().save(QString::fromLocal8Bit(path));
              QCoreApplication::quit();
            },
            Qt::QueuedConnection);
      }
    }
    return false;
  }

 private:
  const char* pngPath_;
  bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  const char* png = nullptr;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--png") == 0) png = argv[i + 1];
  }
  if (const std::string reason = rc::MissingDisplayReason(); !reason.empty()) {
    std::fputs(rc::NoDisplayMessage("first-window", reason).c_str(), stderr);
    return 2;
  }
  QApplication qapp(argc, argv);
  FirstPaint watcher(png);
  qapp.installEventFilter(&watcher);
  return rc::RunProgram();
}
