// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The spoke length of a laced wheel.
//
// The path of a click: the window's control texts become a SpokeInputs; ComputeSpokeLength
// converts each text at its own step and returns the length (or raises a runtime::RuntimeError);
// runtime::displayText turns the length into the ".##" text that the result box shows.
#pragma once

#include "engine/spokeinputs.h"

namespace calc {

/// The length of one spoke, in the unit of the lengths typed in. Raises runtime::RuntimeError
/// (overflow, division by zero or invalid operation) at the step where the computation fails,
/// and then returns nothing.
double ComputeSpokeLength(const SpokeInputs& inputs);

/// A spoke's geometry: the centre-to-flange distance as converted, the straight distance from the
/// flange hole to the spoke's end at the effective rim diameter, and ComputeSpokeLength's length,
/// which is that distance less half the spoke hole. Raises as ComputeSpokeLength does.
struct SpokeGeometry {
  double offset;
  double run;
  double length;
};
SpokeGeometry ComputeSpokeGeometry(const SpokeInputs& inputs);

}  // namespace calc
