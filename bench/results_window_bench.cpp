// From a click on a calculation button of the results menu to the finished drawing on
// its surface (model level: no Qt repaint). A silent toolkit stands in for the screen.
#include <benchmark/benchmark.h>

#include "calc/calculations.h"
#include "support/design_fixtures.h"
#include "ui/application.h"
#include "ui/form7.h"

namespace rc {
namespace {

class SilentToolkit : public Toolkit {
 public:
  std::u16string InputBox(const std::u16string&, const std::u16string&, const std::u16string&, int,
                          int) override {
    return {};
  }
  void Beep() override {}
  void ActivateKeyboardLayout(std::uint32_t) override {}
  std::u16string ShortDateText() override { return u"07.12.2026"; }
  std::u16string TimeText() override { return u"10:15:30"; }
  CalendarDate Today() override { return {2026, 12, 7}; }
  char16_t DecimalSeparator() override { return u','; }
  double LineHeightTwips(const FontSpec&) override { return 195; }
  double CharWidthTwips(const FontSpec&) override { return 120; }
  double PrinterPageHeightTwips() override { return 15840; }
  double PrinterPageWidthTwips() override { return 0; }
  void PrintDocument(const PrintedDocument&) override {}
  void End() override {}
};

// The bubble-cap column of the tests with both calculations' results, for the
// drawing-only cases; the number of its top tray.
int WithResults(DesignData& data) {
  data = BenzeneTolueneBubbleCap();
  ComputeKineticLine(data);
  return ComputeTrayByTray(data).totalTrays;
}

void ClickBenchmark(benchmark::State& state, const char* button) {
  SilentToolkit toolkit;
  Application app(toolkit);
  app.data() = BenzeneTolueneBubbleCap();
  OpenResultsMenu(app);
  Form7& menu = app.Form<Form7>();
  for (auto _ : state) {
    app.Dispatch([&] { menu.control(button).onClick(); });
    benchmark::DoNotOptimize(menu.surface().Revision());
  }
  state.SetLabel(app.data().InputError != kFalse ? "refused" : "completed");
}

void BM_KineticLineButton(benchmark::State& state) { ClickBenchmark(state, "Command2"); }
void BM_TrayByTrayButton(benchmark::State& state) { ClickBenchmark(state, "Command3"); }

// Drawing a completed calculation's results again on a cleared surface.
template <class Draw>
void DrawBenchmark(benchmark::State& state, Draw draw) {
  SilentToolkit toolkit;
  Application app(toolkit);
  const int totalTrays = WithResults(app.data());
  Form7& menu = app.Form<Form7>();
  for (auto _ : state) {
    menu.surface().Cls();
    draw(menu, totalTrays);
    benchmark::DoNotOptimize(menu.surface().Ops().size());
  }
}

void BM_DrawKineticResults(benchmark::State& state) {
  DrawBenchmark(state, [](Form7& menu, int) { menu.ShowKineticResults(); });
}
void BM_DrawTrayResults(benchmark::State& state) {
  DrawBenchmark(state, [](Form7& menu, int totalTrays) { menu.ShowTrayResults(totalTrays); });
}

BENCHMARK(BM_KineticLineButton);
BENCHMARK(BM_TrayByTrayButton);
BENCHMARK(BM_DrawKineticResults);
BENCHMARK(BM_DrawTrayResults);

}  // namespace
}  // namespace rc

BENCHMARK_MAIN();
