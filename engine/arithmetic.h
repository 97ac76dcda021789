// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Double arithmetic that raises the overflow error instead of producing an infinity.
#pragma once

#include <cmath>

#include "engine/runtimeerror.h"

namespace runtime {

namespace detail {
[[noreturn]] void raiseResultOverflow();

inline double checked(double result) {
  if (std::isinf(result)) raiseResultOverflow();
  return result;
}
}  // namespace detail

/// a × b; finite operands whose product leaves the double range raise the overflow error.
inline double multiply(double a, double b) { return detail::checked(a * b); }

/// a², as the power operation with the integer exponent 2 (exact: one correctly rounded product).
inline double square(double a) { return detail::checked(a * a); }

/// a + b; finite operands whose sum leaves the double range raise the overflow error.
inline double add(double a, double b) { return detail::checked(a + b); }

}  // namespace runtime
