// One whole calculation: six conversions, the computation and the display text.
#include <benchmark/benchmark.h>

#include "calc/spokelength.h"
#include "runtime/displaytext.h"

namespace {

void WholeCalculation(benchmark::State& state) {
  const calc::SpokeInputs inputs{"36", 3, "600", "45", "35", "2.6"};
  for (auto _ : state) {
    benchmark::DoNotOptimize(runtime::displayText(calc::ComputeSpokeLength(inputs), "."));
  }
}
BENCHMARK(WholeCalculation);

}  // namespace
