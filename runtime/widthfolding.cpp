// Folding full-width and look-alike characters to the ASCII they stand for.
#include "widthfolding.h"

namespace runtime {
namespace {

// UTF-8 of U+FF01 to U+FF5E: EF BC 81 to EF BC BF, then EF BD 80 to EF BD 9E. Each is its ASCII
// character moved up by 0xFEE0.
constexpr unsigned char kFullWidthLead = 0xEF;
constexpr unsigned char kFullWidthLow = 0xBC;
constexpr unsigned char kFullWidthHigh = 0xBD;

bool startsWith(std::string_view text, std::size_t pos, std::string_view bytes) {
  return text.substr(pos, bytes.size()) == bytes;
}

}  // namespace

FoldedCharacter detail::foldedBeyondAscii(std::string_view text, std::size_t pos) {
  const auto byte = [&](std::size_t offset) -> unsigned {
    return pos + offset < text.size() ? static_cast<unsigned char>(text[pos + offset]) : 0;
  };
  if (byte(0) == kFullWidthLead) {
    if (byte(1) == kFullWidthLow && byte(2) >= 0x81 && byte(2) <= 0xBF)
      return {static_cast<char>(byte(2) - 0x60), 3};
    if (byte(1) == kFullWidthHigh && byte(2) >= 0x80 && byte(2) <= 0x9E)
      return {static_cast<char>(byte(2) - 0x20), 3};
  }
  if (startsWith(text, pos, "\u3000")) return {' ', 3};  // ideographic space
  if (startsWith(text, pos, "\u3002")) return {'.', 3};  // ideographic full stop
  if (startsWith(text, pos, "\u2212")) return {'-', 3};  // minus sign
  if (startsWith(text, pos, "\u00A0")) return {' ', 2};  // no-break space
  return {text[pos], 1};
}

std::string foldWidth(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const FoldedCharacter c = foldedAt(text, pos);
    folded.push_back(c.ascii);
    pos += c.length;
  }
  return folded;
}

}  // namespace runtime
