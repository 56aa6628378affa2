#pragma once
// Counts the paint events of one widget: a benchmark loop must really repaint the window.
#include <QEvent>
#include <QObject>

namespace rc {

class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

}  // namespace rc
