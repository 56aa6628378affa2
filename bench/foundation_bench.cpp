// Reading a typed number and rendering a table field.
#include <benchmark/benchmark.h>

#include "model/number_text.h"
#include "report/format.h"

namespace {

void BM_ReadNumber(benchmark::State& state) {
  const std::u16string texts[] = {u"0.35", u"  -1.25E-3 ", u"1 2", u"abc", u"0.000001"};
  std::size_t k = 0;
  for (auto _ : state) benchmark::DoNotOptimize(rc::ReadNumber(texts[k++ % 5]));
}
BENCHMARK(BM_ReadNumber);

void BM_FormatFixed(benchmark::State& state) {
  const float values[] = {0.05123f, 123456.5f, -0.125f, 1e-7f, 0.9876543f};
  std::size_t k = 0;
  for (auto _ : state) benchmark::DoNotOptimize(rc::FormatFixed(values[k++ % 5], 10, 4));
}
BENCHMARK(BM_FormatFixed);

}  // namespace

BENCHMARK_MAIN();
