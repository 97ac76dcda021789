// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bits of a double, to compare values exactly: -0 apart from 0, 1 ulp apart, NaN payloads.
// Copied, not std::bit_cast, which the WebAssembly toolchain's older libc++ does not have.
#pragma once

#include <cstdint>
#include <cstring>

inline std::uint64_t bitsOf(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}
