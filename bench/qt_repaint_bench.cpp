// From the click on a calculation button of the results menu to the finished repaint of
// the results window on the screen (Qt's offscreen platform): the calculation, the table
// drawn on the window's surface, the widgets brought in line and a synchronous repaint.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "qt/automation/qt_automation.h"
#include "window_bench.h"
#include "support/design_fixtures.h"
#include "ui/application.h"
#include "ui/form11.h"
#include "ui/form7.h"

namespace rc {
namespace {


// state.range(0): the button, 2 the kinetic line, 3 tray by tray.
void BM_ClickToRepaintedResults(benchmark::State& state) {
  AutomatedSession<> s;
  s.app.data() = BenzeneTolueneSieve();
  s.toolkit.RunEvent([&s] { OpenResultsMenu(s.app); });
  Form7* menu = s.app.FindForm<Form7>();
  QWidget* window = menu ? s.toolkit.WidgetFor(*menu) : nullptr;
  if (!window) {
    state.SkipWithError("the results menu is not on the screen");
    return;
  }
  QApplication::processEvents();
  PaintCounter counter;
  window->installEventFilter(&counter);
  for (auto _ : state) {
    s.toolkit.ClickButton(state.range(0) == 2 ? menu->kineticLineButton : menu->trayByTrayButton);
    window->repaint();
  }
  window->removeEventFilter(&counter);
  if (s.app.data().InputError != kFalse) state.SkipWithError("the calculation refused the data");
  if (counter.paints < state.iterations()) state.SkipWithError("the window was not repainted");
  state.counters["drawn_texts"] = static_cast<double>(menu->surface().Texts().size());
}
BENCHMARK(BM_ClickToRepaintedResults)
    ->Arg(2)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The diagram window's reflux study drawn afresh, as after a calculation: the 71
// tray-by-tray calculations of the sweep, the plots drawn on the window's surface, the
// widgets brought in line and a synchronous repaint. state.range(0): 0 the bubble-cap
// column, 1 a narrow one, many of whose ratios run to the 120-tray limit.
void BM_RefluxStudyToRepaintedWindow(benchmark::State& state) {
  AutomatedSession<> s;
  s.app.data() = BenzeneTolueneBubbleCap();
  if (state.range(0) == 1) SetParameter(s.app.data(), kParamDiameter, u"1.0");
  s.toolkit.RunEvent([&s] {
    OpenResultsMenu(s.app);
    OpenDiagramWindow(s.app);
    s.app.Form<Form11>().ShowView(1);
  });
  Window* diagram = s.toolkit.LoadedWindow("Form11");
  QWidget* window = diagram ? s.toolkit.WidgetFor(*diagram) : nullptr;
  if (!window) {
    state.SkipWithError("the diagram window is not on the screen");
    return;
  }
  QApplication::processEvents();
  PaintCounter counter;
  window->installEventFilter(&counter);
  for (auto _ : state) {
    s.toolkit.RunEvent([&s] { s.app.Form<Form11>().Refresh(); });
    window->repaint();
  }
  window->removeEventFilter(&counter);
  if (counter.paints < state.iterations()) state.SkipWithError("the window was not repainted");
  state.counters["drawn_ops"] = static_cast<double>(diagram->surface().Ops().size());
}
BENCHMARK(BM_RefluxStudyToRepaintedWindow)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace rc

BENCHMARK_MAIN();
