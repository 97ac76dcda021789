// Fuzzes text-to-number conversion: every text gives a finite number or the overflow error, and
// a plain decimal number gives exactly std::strtod's double.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "runtime/numberfromtext.h"
#include "runtime/runtimeerror.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipDigits(std::string_view text, std::size_t pos) {
  while (pos < text.size() && isDigit(text[pos])) ++pos;
  return pos;
}

// Optional sign, digits, optional "." and digits, optional E exponent; nothing else.
bool isPlainDecimal(std::string_view text) {
  std::size_t pos = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
  const std::size_t integerEnd = skipDigits(text, pos);
  std::size_t digits = integerEnd - pos;
  pos = integerEnd;
  if (pos < text.size() && text[pos] == '.') {
    const std::size_t fractionEnd = skipDigits(text, pos + 1);
    digits += fractionEnd - pos - 1;
    pos = fractionEnd;
  }
  if (digits == 0) return false;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    const std::size_t exponentEnd = skipDigits(text, pos);
    if (exponentEnd == pos) return false;
    pos = exponentEnd;
  }
  return pos == text.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const bool plain = isPlainDecimal(text);
  const double expected = plain ? std::strtod(text.c_str(), nullptr) : 0.0;
  try {
    const double value = runtime::numberFromText(text);
    if (!std::isfinite(value)) std::abort();
    if (plain && std::bit_cast<std::uint64_t>(value) != std::bit_cast<std::uint64_t>(expected))
      std::abort();
  } catch (const runtime::RuntimeError& error) {
    if (error.number() != runtime::ErrorNumber::Overflow) std::abort();
    if (plain && !std::isinf(expected)) std::abort();
  }
  return 0;
}
