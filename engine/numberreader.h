// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The grammar of a typed number, read from the front of a text: the one reading that both the
// conversion (numberFromText) and the number under a position (numberSpanAt) use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace runtime::detail {

/// Digits of a decimal number, "ddd.ddd" with "e-dd" after them where an exponent was read.
struct DecimalToken {
  std::string text;
  std::size_t integerDigits = 0;
  std::size_t fractionDigits = 0;
  std::int64_t exponent = 0;  // saturated far beyond any double's range
};

/// What the front of a text holds, as the conversion reads it.
struct ReadNumber {
  enum class Kind { None, Decimal, Radix };
  Kind kind = Kind::None;
  bool negative = false;   // a decimal's sign
  DecimalToken decimal;    // a decimal's digits
  std::int64_t radix = 0;  // an "&H" or "&O" integer's value, as two's complement of 16 or 32 bits
  bool radixTooLarge = false;  // beyond 32 bits
  /// Bytes of the text that the number stands in: from its first character (its sign, "&", a
  /// digit or the point) to the end of its last, the blanks and invisible characters before and
  /// after it left out. Where the text holds no digit of a number, `first` is its first character
  /// that is read (neither blank nor invisible) and `end` equals it.
  std::size_t first = 0;
  std::size_t end = 0;
};

/// Reads the number at the front of UTF-8 `text`, passing over blanks and invisible characters
/// wherever they stand; see numberFromText() for the grammar. `otherPoint`, where not empty, is
/// read as the decimal point too (the separator a result is shown with in the user's locale).
ReadNumber readNumber(std::string_view text, std::string_view otherPoint = {});

}  // namespace runtime::detail
