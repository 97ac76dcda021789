// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Folding full-width and look-alike characters to the ASCII they stand for.
#include "engine/widthfolding.h"

#include "engine/unicodesets.h"
#include "engine/utf8.h"

namespace runtime {
namespace {

constexpr char32_t kFullWidthFirst = 0xFF01;  // "！", then every printable ASCII character
constexpr char32_t kFullWidthLast = 0xFF5E;   // "～"
constexpr char32_t kFullWidthOffset = 0xFEE0;

}  // namespace

bool isInvisible(char32_t character) { return unicode::contains(unicode::kInvisible, character); }

FoldedCharacter detail::foldedBeyondAscii(std::string_view text, std::size_t pos) {
  const std::optional<utf8::Decoded> decoded = utf8::decodedAt(text, pos);
  if (!decoded) return {text[pos], 1};
  const auto [character, length] = *decoded;
  if (character >= kFullWidthFirst && character <= kFullWidthLast)
    return {static_cast<char>(character - kFullWidthOffset), length};
  switch (character) {
    case U'\u3002':  // ideographic full stop
    case U'\uFF61':  // its half-width form
    case U'\uFE52':  // small full stop
      return {'.', length};
    case U'\u2212':  // minus sign
    case U'\uFE63':  // small hyphen-minus
      return {'-', length};
    default:
      break;
  }
  if (unicode::contains(unicode::kBlank, character)) return {' ', length};
  if (isInvisible(character)) return {'\0', length, true};
  return {text[pos], 1};
}

std::string foldWidth(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const FoldedCharacter c = foldedAt(text, pos);
    if (!c.invisible) folded.push_back(c.ascii);
    pos += c.length;
  }
  return folded;
}

}  // namespace runtime
