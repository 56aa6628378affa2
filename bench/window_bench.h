#pragma once
// What the window benchmarks share: the timed loop of a window opened by a button, a
// paint counter (a benchmark loop must really repaint the window), a window's first
// paints, the unloaded windows let go outside the timing, and the check that the column
// has its 120 trays.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <string>

#include "calc/runs.h"
#include "qt/automation/qt_automation.h"
#include "ui/application.h"

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

// Counts the 120-tray column's trays, and fails the benchmark when it has not 120.
inline void CountTrays(benchmark::State& state, Application& app) {
  const int trays = app.runs().trayByTray ? app.runs().trayByTray->TotalTrays() : 0;
  if (trays != kMaxTrays) state.SkipWithError("the column has not 120 trays");
  state.counters["trays"] = trays;
}

// The windows the last click unloaded go, as the event loop would let them go, outside
// the timing.
inline void LetGoOfUnloadedWindows(benchmark::State& state) {
  state.PauseTiming();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  state.ResumeTiming();
}

// The timed loop of a window opened by a button: the click, the window's first paints,
// the unloaded windows let go outside the timing. Fails the benchmark when the window
// does not open or is not painted.
inline void ClickToFirstPaint(benchmark::State& state, QtAutomation& toolkit,
                              const Control& button, const std::string& window) {
  int paints = 0;
  for (auto _ : state) {
    toolkit.ClickButton(button);
    Window* opened = toolkit.LoadedWindow(window);
    QWidget* widget = opened ? toolkit.WidgetFor(*opened) : nullptr;
    if (!widget) {
      state.SkipWithError("the window did not open");
      return;
    }
    paints += FirstPaints(*widget);
    LetGoOfUnloadedWindows(state);
  }
  if (paints < state.iterations()) state.SkipWithError("the window was not painted");
}

}  // namespace rc
