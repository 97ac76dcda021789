// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Finds numbers with the conversion's own reader, so that a selection is what the box's value is
// read from, never a second idea of what a number looks like.
#include "engine/numberspan.h"

#include "engine/numberreader.h"
#include "engine/widthfolding.h"

namespace runtime {

std::optional<TextSpan> numberSpanAt(std::string_view text, std::size_t position,
                                     std::string_view shownPoint) {
  const std::string_view otherPoint = shownPoint == "." ? std::string_view() : shownPoint;
  for (std::size_t start = 0; start < text.size();) {
    const detail::ReadNumber number = detail::readNumber(text.substr(start), otherPoint);
    const std::size_t first = start + number.first;
    if (first > position || first >= text.size()) return std::nullopt;
    if (number.end == number.first) {  // no number begins here: one character on
      start = first + foldedAt(text, first).length;
      continue;
    }
    const std::size_t end = start + number.end;
    if (position <= end) return TextSpan{first, end - first};
    start = end;
  }
  return std::nullopt;
}

}  // namespace runtime
