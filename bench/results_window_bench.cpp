// From a click on a calculation button of the results menu to the finished drawing on
// its surface (model level: no Qt repaint). A silent toolkit stands in for the screen.
#include <benchmark/benchmark.h>

#include "calc/calculations.h"
#include "support/design_fixtures.h"
#include "support/recording_toolkit.h"
#include "ui/application.h"
#include "ui/form7.h"

namespace rc {
namespace {

// The toolkit of the window tests, with the decimal comma of Russian settings.
struct SilentToolkit : RecordingToolkit {
  SilentToolkit() { decimalSeparator = u','; }
};

// Both calculations' runs on the bubble-cap column of the tests, for the drawing-only
// cases.
struct Runs {
  KineticLineRun kinetic = RunKineticLine(CalculationInputs::Of(BenzeneTolueneBubbleCap()));
  TrayByTrayRun trays = RunTrayByTray(CalculationInputs::Of(BenzeneTolueneBubbleCap()));
};

void ClickBenchmark(benchmark::State& state, Control* (*button)(Form7&)) {
  SilentToolkit toolkit;
  Application app(toolkit);
  app.data() = BenzeneTolueneBubbleCap();
  OpenResultsMenu(app);
  Form7& menu = app.Form<Form7>();
  for (auto _ : state) {
    app.Dispatch([&] { button(menu)->onClick(); });
    benchmark::DoNotOptimize(menu.surface().Revision());
  }
  state.SetLabel(app.data().InputError != kFalse ? "refused" : "completed");
}

void BM_KineticLineButton(benchmark::State& state) {
  ClickBenchmark(state, [](Form7& f) { return &f.kineticLineButton; });
}
void BM_TrayByTrayButton(benchmark::State& state) {
  ClickBenchmark(state, [](Form7& f) { return &f.trayByTrayButton; });
}

// Drawing a completed calculation's results again on a cleared surface.
template <class Draw>
void DrawBenchmark(benchmark::State& state, Draw draw) {
  SilentToolkit toolkit;
  Application app(toolkit);
  app.data() = BenzeneTolueneBubbleCap();
  const Runs runs;
  Form7& menu = app.Form<Form7>();
  for (auto _ : state) {
    menu.surface().Cls();
    draw(menu, runs);
    benchmark::DoNotOptimize(menu.surface().Ops().size());
  }
}

void BM_DrawKineticResults(benchmark::State& state) {
  DrawBenchmark(state, [](Form7& menu, const Runs& r) { menu.ShowKineticResults(r.kinetic); });
}
void BM_DrawTrayResults(benchmark::State& state) {
  DrawBenchmark(state, [](Form7& menu, const Runs& r) { menu.ShowTrayResults(r.trays); });
}

BENCHMARK(BM_KineticLineButton);
BENCHMARK(BM_TrayByTrayButton);
BENCHMARK(BM_DrawKineticResults);
BENCHMARK(BM_DrawTrayResults);

}  // namespace
}  // namespace rc

BENCHMARK_MAIN();
