// The column's results for a column of 120 trays: the calculation alone, and on Qt's
// offscreen platform from the click on the results menu's column button (the third
// stage's values accepted before) to the results window's first paint (the window and
// its controls created, the column computed, its 120 rows listed and its lines drawn,
// a synchronous paint of the whole window); and from its button to the trays' performance
// diagram's first paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "calc/column_design.h"
#include "calc/calculations.h"
#include "column_of_120_trays.h"
#include "window_bench.h"
#include "qt/automation/qt_automation.h"
#include "support/design_fixtures.h"
#include "ui/application.h"
#include "calc/column_input.h"
#include "ui/form13.h"
#include "ui/form7.h"

namespace rc {
namespace {

DesignData ColumnWithItsThirdStage() {
  DesignData data = ColumnOf120Trays();
  SetBenzeneTolueneColumnStage(data);
  data.ColumnDataAccepted = kTrue;
  return data;
}

void BM_ColumnCalculation120Trays(benchmark::State& state) {
  DesignData data = ColumnWithItsThirdStage();
  const TrayByTrayRun run = Compute(RunTrayByTray, data);
  for (auto _ : state) {
    const ColumnDesignResult r = DesignColumn(ColumnDesignInputOf(data, run));
    benchmark::DoNotOptimize(r.totalDrop);
  }
  state.counters["trays"] = run.TotalTrays();
  if (run.TotalTrays() != kMaxTrays) state.SkipWithError("the column has not 120 trays");
}
BENCHMARK(BM_ColumnCalculation120Trays)->Unit(benchmark::kMicrosecond);

void BM_ColumnButtonToFirstPaint(benchmark::State& state) {
  AutomatedSession<> s;
  s.app.data() = ColumnWithItsThirdStage();
  s.toolkit.RunEvent([&] { OpenResultsMenu(s.app); });
  Form7& menu = s.app.Form<Form7>();
  s.toolkit.ClickButton(menu.trayByTrayButton);
  ClickToFirstPaint(state, s.toolkit, menu.columnButton, "Form13");
  CountTrays(state, s.app);
}
BENCHMARK(BM_ColumnButtonToFirstPaint)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The results' button to the trays' performance diagram's first paint, 120 trays: both
// panels' lines computed and drawn.
void BM_PerformanceDiagramToFirstPaint(benchmark::State& state) {
  AutomatedSession<> s;
  s.app.data() = ColumnWithItsThirdStage();
  s.toolkit.RunEvent([&] { OpenResultsMenu(s.app); });
  Form7& menu = s.app.Form<Form7>();
  s.toolkit.ClickButton(menu.trayByTrayButton);
  s.toolkit.ClickButton(menu.columnButton);
  const Form13* results = s.app.FindForm<Form13>();
  if (!results) {
    state.SkipWithError("the column's results did not open");
    return;
  }
  ClickToFirstPaint(state, s.toolkit, results->windowButton, "Form17");
  CountTrays(state, s.app);
}
BENCHMARK(BM_PerformanceDiagramToFirstPaint)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace rc

BENCHMARK_MAIN();
