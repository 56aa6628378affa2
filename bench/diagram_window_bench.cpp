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
#include <cstdio>

#include "qt/automation/qt_automation.h"
#include "paint_counter.h"
#include "support/design_fixtures.h"
#include "ui/application.h"
#include "ui/form11.h"
#include "ui/form7.h"

namespace rc {
namespace {


// The bubble-cap column of the fixtures separating a mixture of relative volatility 1.2
// at reflux ratio 10.835: the calculation accepts it with exactly 120 trays.
DesignData ColumnOf120Trays() {
  DesignData data = BenzeneTolueneBubbleCap();
  const double x[8] = {0, 0.1, 0.2, 0.4, 0.6, 0.8, 0.9, 1.0};
  const auto text = [](double v) {
    char t[16];
    std::snprintf(t, sizeof t, "%.4f", v);
    return std::u16string(t, t + std::char_traits<char>::length(t));
  };
  constexpr double kVolatility = 1.2;
  for (int i = 0; i < 8; ++i) {
    SetEquilibriumPoint(data, i, text(x[i]), text(kVolatility * x[i] / (1 + (kVolatility - 1) * x[i])));
  }
  SetParameter(data, 19, u"10.835");
  return data;
}

struct DiagramSession {
  QtAutomation toolkit;
  Application app{toolkit};
  DiagramSession() {
    OffscreenApplication();
    toolkit.Attach(app);
    app.data() = ColumnOf120Trays();
    toolkit.RunEvent([this] { OpenResultsMenu(app); });
    Window* menu = toolkit.LoadedWindow("Form7");
    toolkit.ClickButton(*menu, "Command3");
    toolkit.ClickButton(*menu, "Command2");
  }
};

void BM_DiagramOpenToFirstPaint(benchmark::State& state) {
  DiagramSession s;
  Window* menu = s.toolkit.LoadedWindow("Form7");
  int paints = 0;
  for (auto _ : state) {
    s.toolkit.ClickButton(*menu, "Command6");
    Window* diagram = s.toolkit.LoadedWindow("Form11");
    QWidget* widget = diagram ? s.toolkit.WidgetFor(*diagram) : nullptr;
    if (!widget) {
      state.SkipWithError("the diagram window did not open");
      return;
    }
    // The window is shown: the platform exposes it and it paints, with its controls.
    PaintCounter counter;
    widget->installEventFilter(&counter);
    QCoreApplication::processEvents();
    if (counter.paints == 0) widget->repaint();
    widget->removeEventFilter(&counter);
    paints += counter.paints;
    state.PauseTiming();
    // The window the next click replaces goes, as the event loop would let it go.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
  if (paints < state.iterations()) state.SkipWithError("the window was not painted");
  const int trays = s.app.runs().trayByTray ? s.app.runs().trayByTray->TotalTrays() : 0;
  if (trays != kMaxTrays) state.SkipWithError("the column has not 120 trays");
  state.counters["trays"] = trays;
}
BENCHMARK(BM_DiagramOpenToFirstPaint)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The printed diagram with the profile of 120 trays, written as PDF: its size in bytes.
void BM_DiagramPdf(benchmark::State& state) {
  DiagramSession s;
  s.toolkit.ClickButton(*s.toolkit.LoadedWindow("Form7"), "Command6");
  Window* diagram = s.toolkit.LoadedWindow("Form11");
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("diagram.pdf"));
  for (auto _ : state) {
    s.toolkit.SetPdfOutput(pdf);
    s.toolkit.ClickButton(*diagram, "Command1");
  }
  state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(pdf).size());
  state.counters["trays"] = s.app.runs().trayByTray ? s.app.runs().trayByTray->TotalTrays() : 0;
}
BENCHMARK(BM_DiagramPdf)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace rc

BENCHMARK_MAIN();
