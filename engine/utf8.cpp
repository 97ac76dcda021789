// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// UTF-8 as RFC 3629 defines it: nothing overlong, no surrogates, nothing beyond U+10FFFF.
#include "engine/utf8.h"

namespace runtime::utf8 {

std::optional<Decoded> decodedAt(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) return Decoded{lead, 1};
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

void append(std::string& text, char32_t character) {
  if (character < 0x80) {
    text.push_back(static_cast<char>(character));
    return;
  }
  const int continuations = character < 0x800 ? 1 : character < 0x10000 ? 2 : 3;
  constexpr unsigned char kLeadMarks[] = {0, 0xC0, 0xE0, 0xF0};
  text.push_back(static_cast<char>(kLeadMarks[continuations] | (character >> (6 * continuations))));
  for (int shift = 6 * (continuations - 1); shift >= 0; shift -= 6)
    text.push_back(static_cast<char>(0x80 | ((character >> shift) & 0x3F)));
}

}  // namespace runtime::utf8
