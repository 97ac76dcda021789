// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The text the result box shows for a length: the ".##" pattern.
#pragma once

#include <string>
#include <string_view>

namespace runtime {

/// `value` as the pattern ".##" shows it: "-" for a negative value, the integer digits it needs
/// (none below 1, every one for a large value, never an exponent), `decimalSeparator` always,
/// then at most two fraction digits without trailing zeros. 290.219 is "290.22", 295 is "295.",
/// 0.5 is ".5" and 0 is ".". Rounding is half away from zero on the value's 15-significant-digit
/// decimal form, so 2.675 is "2.68". A value that is not finite raises the overflow error.
std::string displayText(double value, std::string_view decimalSeparator);

}  // namespace runtime
