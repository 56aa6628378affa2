#pragma once
// Counts the paint events of one widget: a benchmark loop must really repaint the window.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <benchmark/benchmark.h>

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

// A window just opened: the platform exposes it and it paints, with its controls. The
// paints counted (a repaint is asked for when the platform painted nothing).
inline int FirstPaints(QWidget& window) {
  PaintCounter counter;
  window.installEventFilter(&counter);
  QCoreApplication::processEvents();
  if (counter.paints == 0) window.repaint();
  window.removeEventFilter(&counter);
  return counter.paints;
}

// The windows the last click unloaded go, as the event loop would let them go, outside
// the timing.
inline void LetGoOfUnloadedWindows(benchmark::State& state) {
  state.PauseTiming();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  state.ResumeTiming();
}

}  // namespace rc
