// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The lacings a wheel can have, and a typed lacing read as one of them.
#pragma once

#include <cstdint>
#include <string_view>

namespace runtime {

/// The lacings in the order of a lacing list: each one's index is its crossing count.
inline constexpr std::string_view kLacings[] = {"直拉", "1X", "2X", "3X", "4X"};

/// The crossing count of a typed lacing (UTF-8): the lacing it names, ignoring blanks around it,
/// invisible format characters, letter case and width ("3x", an input method's "３Ｘ" and a pasted
/// "3X" with a zero-width space are 3X), or a bare crossing count ("3"). Any other text raises
/// the invalid-property-value error, quoting it (quote()), so that a typed lacing is never
/// silently taken for another.
std::int16_t typedCrossings(std::string_view typed);

}  // namespace runtime
