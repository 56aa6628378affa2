// The diagram window with a column of 120 trays, on Qt's offscreen platform: from the
// click on the diagram button of the results menu to the window's first paint (the
// window and its controls created, the diagram drawn, the profile's 120 rows listed,
// a synchronous paint of the whole window); and the size of its printed page as PDF.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>

#include "qt/automation/qt_automation.h"
#include "column_of_120_trays.h"
#include "window_bench.h"
#include "support/design_fixtures.h"
#include "ui/application.h"
#include "ui/form11.h"
#include "ui/form7.h"

namespace rc {
namespace {


struct DiagramSession : AutomatedSession<> {
  DiagramSession() {
    app.data() = ColumnOf120Trays();
    toolkit.RunEvent([this] { OpenResultsMenu(app); });
    Form7& menu = app.Form<Form7>();
    toolkit.ClickButton(menu.trayByTrayButton);
    toolkit.ClickButton(menu.kineticLineButton);
  }
};

void BM_DiagramOpenToFirstPaint(benchmark::State& state) {
  DiagramSession s;
  Form7& menu = s.app.Form<Form7>();
  ClickToFirstPaint(state, s.toolkit, menu.diagramButton, "Form11");
  CountTrays(state, s.app);
}
BENCHMARK(BM_DiagramOpenToFirstPaint)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The printed diagram with the profile of 120 trays, written as PDF: its size in bytes.
void BM_DiagramPdf(benchmark::State& state) {
  DiagramSession s;
  s.toolkit.ClickButton(s.app.Form<Form7>().diagramButton);
  Form11& diagram = s.app.Form<Form11>();
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("diagram.pdf"));
  for (auto _ : state) {
    s.toolkit.SetPdfOutput(pdf);
    s.toolkit.ClickButton(diagram.printButton);
  }
  state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(pdf).size());
  CountTrays(state, s.app);
}
BENCHMARK(BM_DiagramPdf)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace rc

BENCHMARK_MAIN();
