// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The number under a position of a text: what a double-click selects.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace runtime {

/// Bytes of a text.
struct TextSpan {
  std::size_t first;
  std::size_t length;
  friend bool operator==(const TextSpan&, const TextSpan&) = default;
};

/// The number of UTF-8 `text` at byte `position` (a caret position: before it, inside it or right
/// after it), read as the conversion reads numbers: the text is read from the front, a number as
/// numberFromText() reads a text that begins there ("3 6" and "6<U+200B>00" are one number,
/// "&H1F" and "295." too), the next reading beginning where a number ended, or a character on
/// where none begins ("600" of "ERD600"). The span leaves out blanks and invisible characters
/// around the number. None where no number stands at the position. `shownPoint`, where not ".",
/// is read as the point too: the decimal separator a result is shown with ("290,22").
std::optional<TextSpan> numberSpanAt(std::string_view text, std::size_t position,
                                     std::string_view shownPoint = ".");

}  // namespace runtime
