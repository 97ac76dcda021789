// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The six raw inputs of one spoke length calculation, as the window holds them.
#pragma once

#include <cstdint>
#include <string>

namespace calc {

/// Texts exactly as typed; each is converted to a number only at the step that needs it.
struct SpokeInputs {
  std::string spokeCount;
  /// Crossings of each spoke: 0 radial, 1 to 4, as the lacing list's index or typedCrossings()
  /// give it; a count whose degrees leave 16 bits raises the overflow error.
  std::int16_t crossingIndex = 0;
  std::string effectiveRimDiameter;
  std::string flangeDiameter;
  std::string centreOffset;
  std::string spokeHoleDiameter;
};

}  // namespace calc
