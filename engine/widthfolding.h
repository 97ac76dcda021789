// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Characters that a Chinese input method, a web page or a chat puts where ASCII is meant.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace runtime {

/// One character of a UTF-8 text as the conversion reads it, and how many bytes it takes. An
/// invisible character is one to pass over as if it were not there.
struct FoldedCharacter {
  char ascii;
  std::size_t length;
  bool invisible = false;
};

namespace detail {
FoldedCharacter foldedBeyondAscii(std::string_view text, std::size_t pos);
}

/// The character that starts at byte `pos` (< text.size()) of UTF-8 `text`, folded to ASCII where
/// it stands in for ASCII: the full-width forms U+FF01 to U+FF5E ("３", "．", "Ｅ", "＆"…); the
/// ideographic full stop "。", its half-width form U+FF61 and the small full stop U+FE52 as ".";
/// the minus sign U+2212 and the small hyphen-minus U+FE63 as "-"; every space, line and
/// paragraph separator (U+3000, U+00A0, U+2009, U+202F…) and NEL as " ". A format character
/// (U+200B, U+200E, U+2066, U+FEFF, U+00AD…) comes back invisible. Any other byte comes back as
/// it is, alone.
inline FoldedCharacter foldedAt(std::string_view text, std::size_t pos) {
  // Inline for ASCII, which is nearly every character read: the conversion stays as fast.
  if (static_cast<unsigned char>(text[pos]) < 0x80) return {text[pos], 1};
  return detail::foldedBeyondAscii(text, pos);
}

/// `text` with every character folded as foldedAt() does and the invisible ones left out; a text
/// without such characters is returned unchanged.
std::string foldWidth(std::string_view text);

/// Whether `character` is a format character, one that foldedAt() reads as invisible.
bool isInvisible(char32_t character);

}  // namespace runtime
