// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Folding full-width and look-alike characters to the ASCII they stand for.
#include "widthfolding.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "unicodesets.h"

namespace runtime {
namespace {

constexpr char32_t kFullWidthFirst = 0xFF01;  // "！", then every printable ASCII character
constexpr char32_t kFullWidthLast = 0xFF5E;   // "～"
constexpr char32_t kFullWidthOffset = 0xFEE0;

struct Decoded {
  char32_t character;
  std::size_t length;
};

// The character whose well-formed UTF-8 starts at `pos`; none for a malformed, overlong or cut
// sequence, or an encoded surrogate.
std::optional<Decoded> decodedAt(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || pos + length > text.size()) return std::nullopt;
  char32_t character = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    character = character << 6 | (next & 0x3F);
  }
  constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  if (character < kLeast[length] || character > 0x10FFFF ||
      (character >= 0xD800 && character <= 0xDFFF))
    return std::nullopt;
  return Decoded{character, length};
}

template <std::size_t N>
bool contains(const unicode::CodePointRange (&set)[N], char32_t character) {
  const auto* range = std::partition_point(
      std::begin(set), std::end(set),
      [character](const unicode::CodePointRange& r) { return r.last < character; });
  return range != std::end(set) && range->first <= character;
}

}  // namespace

bool isInvisible(char32_t character) { return contains(unicode::kInvisible, character); }

FoldedCharacter detail::foldedBeyondAscii(std::string_view text, std::size_t pos) {
  const std::optional<Decoded> decoded = decodedAt(text, pos);
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
  if (contains(unicode::kBlank, character)) return {' ', length};
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
