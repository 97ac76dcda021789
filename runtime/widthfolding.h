// Characters that a Chinese input method or a web page puts where ASCII is meant.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace runtime {

/// One character of a UTF-8 text as the conversion reads it, and how many bytes it takes.
struct FoldedCharacter {
  char ascii;
  std::size_t length;
};

namespace detail {
FoldedCharacter foldedBeyondAscii(std::string_view text, std::size_t pos);
}

/// The character that starts at byte `pos` (< text.size()) of UTF-8 `text`, folded to ASCII where
/// it stands in for ASCII: the full-width forms U+FF01 to U+FF5E ("３", "．", "Ｅ", "＆"…), the
/// ideographic full stop "。" as ".", the minus sign U+2212 as "-", and the ideographic space
/// U+3000 and the no-break space U+00A0 as " ". Any other byte comes back as it is, alone.
inline FoldedCharacter foldedAt(std::string_view text, std::size_t pos) {
  // Inline for ASCII, which is nearly every character read: the conversion stays as fast.
  if (static_cast<unsigned char>(text[pos]) < 0x80) return {text[pos], 1};
  return detail::foldedBeyondAscii(text, pos);
}

/// `text` with every character folded as foldedAt() does; a text without such characters is
/// returned unchanged.
std::string foldWidth(std::string_view text);

}  // namespace runtime
