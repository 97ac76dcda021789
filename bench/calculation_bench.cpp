// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculation alone: six conversions, the computation and the display text.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/displaytext.h"
#include "engine/runtimeerror.h"
#include "engine/spokelength.h"

namespace {

const calc::SpokeInputs kWorkedExample{"36", 3, "600", "45", "35", "2.6"};

void WholeCalculation(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(runtime::displayText(calc::ComputeSpokeLength(kWorkedExample), "."));
  }
}
BENCHMARK(WholeCalculation);

// A megabyte of digits in one input (0: spoke count, 1 to 4: the four lengths), the rest as in
// the worked example. Most such numbers overflow, which is part of what is timed.
void MegabyteInOneInput(benchmark::State& state) {
  calc::SpokeInputs inputs = kWorkedExample;
  std::string* const fields[] = {&inputs.spokeCount, &inputs.effectiveRimDiameter,
                                 &inputs.flangeDiameter, &inputs.centreOffset,
                                 &inputs.spokeHoleDiameter};
  *fields[state.range(0)] = std::string(1 << 20, '7').replace(1000, 1, ".");
  for (auto _ : state) {
    try {
      benchmark::DoNotOptimize(runtime::displayText(calc::ComputeSpokeLength(inputs), "."));
    } catch (const runtime::RuntimeError& error) {
      benchmark::DoNotOptimize(error.number());
    }
  }
}
BENCHMARK(MegabyteInOneInput)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace
