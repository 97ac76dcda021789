// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the worked example's whole calculation (six conversions, the computation, the display text)
// N times, for instruction counts: callgrind's count for N less that for 0, divided by N, is one
// calculation's, without Google Benchmark's own loop and timing.
//   calculations <N>
#include <cstdlib>

#include "engine/displaytext.h"
#include "engine/spokelength.h"

int main(int argc, char* argv[]) {
  if (argc != 2) return EXIT_FAILURE;
  const calc::SpokeInputs workedExample{"36", 3, "600", "45", "35", "2.6"};
  std::size_t shown = 0;
  for (long left = std::atol(argv[1]); left > 0; --left)
    shown += runtime::displayText(calc::ComputeSpokeLength(workedExample), ".").size();
  return shown % 2 == 0 ? EXIT_SUCCESS : EXIT_FAILURE;  // uses every result
}
