// Timing of the tray model and the two calculations on the benzene-toluene columns.
#include <benchmark/benchmark.h>

#include "calc/calculations.h"
#include "calc/reflux_sweep.h"
#include "calc/tray_model.h"
// The design data fixtures of the tests, built into this program as well.
#include "support/design_fixtures.h"

namespace rc {
namespace {

void BM_EvaluateTray(benchmark::State& state) {
  const DesignData data = state.range(0) == 0   ? BenzeneTolueneBubbleCap()
                          : state.range(0) == 1 ? BenzeneTolueneSieve()
                                                : BenzeneTolueneDualFlow();
  const ColumnParameters column = ColumnParameters::From(data);
  TrayConditions at{0.25, 0.32, 1.35, Section::BelowFeed, Calculation::TrayByTray};
  for (auto _ : state) {
    benchmark::DoNotOptimize(at);
    benchmark::DoNotOptimize(EvaluateTray(column, at));
  }
}
BENCHMARK(BM_EvaluateTray)->ArgName("kind")->Arg(0)->Arg(1)->Arg(2);

void BM_KineticLine(benchmark::State& state) {
  DesignData data = BenzeneTolueneBubbleCap();
  for (auto _ : state) {
    benchmark::DoNotOptimize(Compute(RunKineticLine, data));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_KineticLine);

// A sieve column whose large bypass needs 101 trays.
void BM_TrayByTrayHundredTrays(benchmark::State& state) {
  DesignData data = BenzeneTolueneSieve();
  SetParameter(data, kParamBypass, u"0.88");
  int trays = 0;
  for (auto _ : state) {
    trays = Compute(RunTrayByTray, data).TotalTrays();
    benchmark::ClobberMemory();
  }
  state.counters["trays"] = trays;
}
BENCHMARK(BM_TrayByTrayHundredTrays)->Unit(benchmark::kMicrosecond);

void BM_TrayByTrayFixture(benchmark::State& state) {
  DesignData data = BenzeneTolueneBubbleCap();
  for (auto _ : state) {
    benchmark::DoNotOptimize(Compute(RunTrayByTray, data));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_TrayByTrayFixture)->Unit(benchmark::kMicrosecond);

// The reflux study: 71 tray-by-tray runs from half to four times the student's ratio.
void BM_RefluxSweep(benchmark::State& state) {
  const DesignData data = state.range(0) == 0 ? BenzeneTolueneBubbleCap()
                          : state.range(0) == 1
                              ? BenzeneTolueneSieve()
                              : WithParameter(BenzeneTolueneBubbleCap(), kParamDiameter, u"1.0");
  for (auto _ : state) {
    benchmark::DoNotOptimize(SweepRefluxRatio(CalculationInputs::Of(data)));
  }
}
// kind 2: a narrow bubble-cap column, many of whose points run to the 120-tray limit.
BENCHMARK(BM_RefluxSweep)->ArgName("kind")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rc

BENCHMARK_MAIN();
