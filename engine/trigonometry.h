// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sine and cosine that give the same bits on every platform.
#pragma once

namespace runtime {

struct SineAndCosine {
  double sine;
  double cosine;
};

/// The sine and the cosine of `radians`, each within one unit in the last place, computed with
/// nothing but IEEE 754 additions, multiplications and conversions so that every platform gives
/// the same bits (the C libraries' own differ in the last bits, and for large arguments far more:
/// MinGW's are off by about 1e-20 of the argument, 1e-5 at 1e15 radians, everything beyond
/// 1e19). Any finite argument is reduced exactly, once for both; an infinity or a NaN gives NaNs.
SineAndCosine sineAndCosine(double radians);

}  // namespace runtime
