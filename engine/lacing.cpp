// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A typed lacing is taken for the lacing it names, never for some other one.
#include "engine/lacing.h"

#include <algorithm>
#include <string>

#include "engine/quote.h"
#include "engine/runtimeerror.h"
#include "engine/widthfolding.h"

namespace runtime {
namespace {

constexpr std::size_t kLongestQuoted = 20;  // characters as the user sees them
constexpr std::string_view kBlanks = " \t\n\v\f\r";

// Whether the character at `pos` is a blank, as the conversion reads it.
bool isBlankAt(std::string_view text, std::size_t pos) {
  const FoldedCharacter c = foldedAt(text, pos);
  return !c.invisible && kBlanks.find(c.ascii) != std::string_view::npos;
}

// `text` without the blanks before and after it.
std::string_view trimmed(std::string_view text) {
  std::size_t first = 0;
  while (first < text.size() && isBlankAt(text, first)) first += foldedAt(text, first).length;
  std::size_t last = first;
  for (std::size_t pos = first; pos < text.size(); pos += foldedAt(text, pos).length)
    if (!isBlankAt(text, pos)) last = pos + foldedAt(text, pos).length;
  return text.substr(first, last - first);
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

std::int16_t typedCrossings(std::string_view typed) {
  // Folded first: invisible characters may stand between the blanks and the lacing.
  const std::string folded = foldWidth(typed);
  const std::size_t first = std::min(folded.find_first_not_of(kBlanks), folded.size());
  const std::string_view named =
      std::string_view(folded).substr(first, folded.find_last_not_of(kBlanks) + 1 - first);
  for (std::size_t crossings = 0; crossings < std::size(kLacings); ++crossings)
    if (equalIgnoringCase(named, kLacings[crossings]) || named == std::to_string(crossings))
      return static_cast<std::int16_t>(crossings);
  raise(messages::kUnknownLacing, quote(trimmed(typed), kLongestQuoted));
}

}  // namespace runtime
