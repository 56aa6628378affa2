// The study window's work when the student changes the input, the range or the points:
// 201 points of the tray-by-tray calculation and the column, then the plots drawn on the
// window's surface. One frame is 16 ms; each repetition reports the median and the 99th
// percentile of its iterations' times (--benchmark_repetitions=N then gives N of them).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "calc/input_study.h"
#include "report/study_plot.h"
#include "support/design_fixtures.h"

namespace rc {
namespace {

// The window's layout [twips], as the study window places its plots.
PlotPairLayout Layout() {
  return {{1100, 350, 9500, 3650}, {1100, 4650, 9500, 7700}, {9850, 7050, 15000, 8350}, 8400};
}

// 201 points of one input from half to one and a half times its value, with the column.
void BM_StudyRecomputeAndRepaint(benchmark::State& state) {
  DesignData data = BenzeneTolueneBubbleCap();
  SetBenzeneTolueneColumnStage(data);
  data.ColumnDataAccepted = kTrue;
  const InputRow& in = *FindInput(static_cast<int>(state.range(0)));
  const StudyRange range = DefaultStudyRange(in, data.ParamValue[in.number]);
  std::vector<double> ms;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const InputStudy study = StudyInput(data, in, range.from, range.to, kStudyMaxPoints);
    Surface surface;
    surface.SetLineHeight(195);
    DrawInputStudy(surface, study, InputStudyMarks{data.ParamValue[in.number], 100, StudyQuantities().front()},
                   Layout(), u'.');
    benchmark::DoNotOptimize(surface.Ops().size());
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(ms.begin(), ms.end());
  state.counters["median_ms"] = ms[ms.size() / 2];
  state.counters["p99_ms"] = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
}
// The weir height, the feed composition and the tray spacing (the column alone changes).
BENCHMARK(BM_StudyRecomputeAndRepaint)->ArgName("param")->Arg(kParamWeirHeight)->Arg(kParamXF)->Arg(41)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rc
BENCHMARK_MAIN();
