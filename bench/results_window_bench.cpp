// From a click on a calculation button of the results menu to the finished drawing on
// its surface (model level: no Qt repaint). A silent toolkit stands in for the screen.
#include <benchmark/benchmark.h>

#include <array>

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

// A bubble-cap column for a benzene-toluene-like mixture.
void FillDesignData(DesignData& data) {
  data.TrayType = kBubbleCapTrays;
  const std::array<float, 8> x{0.0f, 0.1f, 0.2f, 0.4f, 0.6f, 0.8f, 0.9f, 1.0f};
  const std::array<float, 8> y{0.0f, 0.21f, 0.38f, 0.62f, 0.79f, 0.91f, 0.96f, 1.0f};
  data.EqX = x;
  data.EqY = y;
  const float params[] = {0.02f, 0.35f, 0.95f,             // XW, XF, XP
                          2.5f,  2.0f,  78.0f,  92.0f,     // R, F, MA, MB
                          0.3f,  0.32f, 0.009f, 0.0095f,   // liquid and vapour viscosities
                          0.05f, 810.0f, 800.0f, 4e-5f,    // Dy, densities, Dx
                          370.0f, 0.0f, 1.2f, 0.8f,        // T, (tray type slot), D, f
                          1.0f,  0.04f, 0.12f, 3.0f,       // n, hw, F0, S
                          0.05f, 0.05f};                   // e, theta
  for (int n = 16; n <= 40; ++n) data.ParamValue[n] = params[n - 16];
}

// Results as a completed calculation leaves them, for the drawing-only cases.
void FillResults(DesignData& data) {
  for (int i = 1; i <= 6; ++i) {
    auto& k = data.KineticPoints;
    k.ClearLiquidHeight[i] = 0.05f + 0.001f * i;
    k.VapourContent[i] = 0.6f;
    k.VapourCoef[i] = 0.0123f * i;
    k.LiquidCoef[i] = 0.45f * i;
    k.OverallCoef[i] = 0.0098f;
    k.NOY[i] = 1.5f;
    k.EY[i] = 0.77f;
    k.EMY[i] = 0.71f;
    k.OperatingY[i] = 0.1f * i;
    k.KineticY[i] = 0.12f * i;
  }
  data.CurrentTray = TrayResult{0.06f, 0.6f, 0.05f, 0.4f, 0.01f, 1.4f, 0.75f, 0.7f};
  data.RecordedTrays.EMY[1] = 0.68f;
  data.TrayX[1] = 0.02f;
  data.TrayY[1] = 0.05f;
  data.TrayX[17] = 0.91f;
  data.TrayY[17] = 0.955f;
  data.FeedTray = 8;
}

void ClickBenchmark(benchmark::State& state, const char* button) {
  SilentToolkit toolkit;
  Application app(toolkit);
  FillDesignData(app.data());
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

void BM_DrawKineticResults(benchmark::State& state) {
  SilentToolkit toolkit;
  Application app(toolkit);
  FillResults(app.data());
  Form7& menu = app.Form<Form7>();
  for (auto _ : state) {
    menu.surface().Cls();
    menu.ShowKineticResults();
    benchmark::DoNotOptimize(menu.surface().Ops().size());
  }
}

void BM_DrawTrayResults(benchmark::State& state) {
  SilentToolkit toolkit;
  Application app(toolkit);
  FillResults(app.data());
  Form7& menu = app.Form<Form7>();
  for (auto _ : state) {
    menu.surface().Cls();
    menu.ShowTrayResults(17);
    benchmark::DoNotOptimize(menu.surface().Ops().size());
  }
}

BENCHMARK(BM_KineticLineButton);
BENCHMARK(BM_TrayByTrayButton);
BENCHMARK(BM_DrawKineticResults);
BENCHMARK(BM_DrawTrayResults);

}  // namespace
}  // namespace rc

BENCHMARK_MAIN();
