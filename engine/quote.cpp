// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Quoting typed text safely, cut between characters as the user sees them.
#include "engine/quote.h"

#include <algorithm>
#include <iterator>

#include "engine/unicodesets.h"
#include "engine/utf8.h"
#include "engine/widthfolding.h"

namespace runtime {
namespace {

using unicode::GraphemeClass;

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kHangulFirst = 0xAC00;
constexpr char32_t kHangulLast = 0xD7A3;
constexpr char32_t kHangulTrailingCount = 28;

GraphemeClass graphemeClassOf(char32_t c) {
  if (c >= kHangulFirst && c <= kHangulLast)
    return (c - kHangulFirst) % kHangulTrailingCount == 0 ? GraphemeClass::HangulLV
                                                          : GraphemeClass::HangulLVT;
  const auto* const range = std::partition_point(
      std::begin(unicode::kGraphemeClasses), std::end(unicode::kGraphemeClasses),
      [c](const unicode::GraphemeRange& r) { return r.last < c; });
  const bool inside = range != std::end(unicode::kGraphemeClasses) && range->first <= c;
  return inside ? range->grapheme : GraphemeClass::Other;
}

utf8::Decoded characterAt(std::string_view text, std::size_t pos) {
  return utf8::decodedAt(text, pos).value_or(utf8::Decoded{kReplacement, 1});
}

bool isPictographic(char32_t c) { return unicode::contains(unicode::kExtendedPictographic, c); }

bool isControl(GraphemeClass c) {
  return c == GraphemeClass::Control || c == GraphemeClass::CarriageReturn ||
         c == GraphemeClass::LineFeed;
}

// Whether a cluster goes on from `before` to `after`; `oddRegional` says that `before` ends an odd
// run of regional indicators (a flag's first half).
bool joins(GraphemeClass before, GraphemeClass after, bool oddRegional) {
  using enum GraphemeClass;
  if (before == CarriageReturn && after == LineFeed) return true;  // GB3
  if (isControl(before) || isControl(after)) return false;         // GB4, 5
  if (before == HangulL &&
      (after == HangulL || after == HangulV || after == HangulLV || after == HangulLVT))
    return true;  // GB6
  if ((before == HangulLV || before == HangulV) && (after == HangulV || after == HangulT))
    return true;                                                                         // GB7
  if ((before == HangulLVT || before == HangulT) && after == HangulT) return true;       // GB8
  if (after == Extend || after == ZeroWidthJoiner || after == SpacingMark) return true;  // GB9, 9a
  if (before == Prepend) return true;                                                    // GB9b
  return before == RegionalIndicator && after == RegionalIndicator && oddRegional;       // GB12, 13
}

bool isLeftOut(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

// `typed` with its format characters written out and its control characters left out.
std::string shown(std::string_view typed) {
  std::string text;
  for (std::size_t pos = 0; pos < typed.size();) {
    const auto [c, length] = characterAt(typed, pos);
    pos += length;
    if (isLeftOut(c)) continue;
    if (!isInvisible(c)) {
      utf8::append(text, c);
      continue;
    }
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string digits;
    for (char32_t rest = c; rest != 0 || digits.size() < 4; rest >>= 4)
      digits.insert(digits.begin(), kHex[rest & 0xF]);
    text += "<U+" + digits + ">";
  }
  return text;
}

}  // namespace

std::size_t graphemeEnd(std::string_view text, std::size_t pos) {
  utf8::Decoded current = characterAt(text, pos);
  GraphemeClass before = graphemeClassOf(current.character);
  bool oddRegional = before == GraphemeClass::RegionalIndicator;
  bool pictographic = isPictographic(current.character);  // an emoji, then accents only
  bool joinsEmoji = false;                                // U+200D after such a run
  for (pos += current.length; pos < text.size(); pos += current.length) {
    current = characterAt(text, pos);
    const GraphemeClass after = graphemeClassOf(current.character);
    const bool emoji = isPictographic(current.character);
    if (!joins(before, after, oddRegional) && !(joinsEmoji && emoji)) break;  // GB11
    oddRegional = after == GraphemeClass::RegionalIndicator && !oddRegional;
    joinsEmoji = after == GraphemeClass::ZeroWidthJoiner && pictographic;
    pictographic = emoji || (pictographic && after == GraphemeClass::Extend);
    before = after;
  }
  return pos;
}

std::string quote(std::string_view typed, std::size_t longest) {
  std::string text = shown(typed);
  std::size_t cut = 0;
  for (std::size_t count = 0; count < longest && cut < text.size(); ++count)
    cut = graphemeEnd(text, cut);
  if (cut < text.size()) text.replace(cut, std::string::npos, "…");
  return "\u2068" + text + "\u2069";
}

}  // namespace runtime
