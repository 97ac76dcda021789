// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes text-to-number conversion: every text gives a finite number or the overflow error, a
// plain decimal number gives exactly std::strtod's double, the text as a Chinese input method
// types it (full width, "。", ideographic spaces) gives exactly what its ASCII form gives, and
// invisible format characters pasted anywhere between its characters change nothing. The number
// under a position lies in the text, holds the position and reads as the text does from there; a
// typed lacing gives a crossing count or error 380 with a well-formed message.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>

#include "engine/lacing.h"
#include "engine/numberfromtext.h"
#include "engine/numberspan.h"
#include "engine/runtimeerror.h"
#include "engine/utf8.h"
#include "tests/doublebits.h"

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

// The text with its ASCII characters as an input method or a web page may type them.
std::string widened(std::string_view text) {
  std::string wide;
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    const auto c = static_cast<unsigned char>(text[pos]);
    const bool alternate = pos % 2 == 1;
    if (c == '.' && alternate) {
      wide += "\u3002";
    } else if (c == '-' && alternate) {
      wide += "\u2212";
    } else if (c == ' ') {
      wide += alternate ? "\u00A0" : "\u3000";
    } else if (c >= 0x21 && c <= 0x7E) {
      const unsigned full = c + 0xFEE0;  // U+FF01 to U+FF5E, three bytes of UTF-8
      wide += static_cast<char>(0xE0 | (full >> 12));
      wide += static_cast<char>(0x80 | ((full >> 6) & 0x3F));
      wide += static_cast<char>(0x80 | (full & 0x3F));
    } else {
      wide += text[pos];
    }
  }
  return wide;
}

// The text with a format character (zero-width space, bidi marks, byte order mark, soft hyphen, a
// tag) before each of its characters; never inside a character's UTF-8 sequence.
std::string withInvisibles(std::string_view text) {
  static constexpr std::string_view kInvisible[] = {"\u200B", "\u200E", "\u2066",    "\u2069",
                                                    "\uFEFF", "\u00AD", "\U000E0001"};
  std::string result;
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    const bool continuation = (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80;
    if (!continuation) result += kInvisible[pos % std::size(kInvisible)];
    result += text[pos];
  }
  return result;
}

// The conversion's outcome: whether it raised an error, and the value's bits or the error's number.
std::pair<bool, std::uint64_t> outcome(std::string_view text) {
  try {
    return {false, bitsOf(runtime::numberFromText(text))};
  } catch (const runtime::RuntimeError& error) {
    return {true, static_cast<std::uint64_t>(error.number())};
  }
}

bool isWellFormed(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const auto character = runtime::utf8::decodedAt(text, pos);
    if (!character) return false;
    pos += character->length;
  }
  return true;
}

void checkNumberAt(std::string_view text, std::size_t position) {
  const auto span = runtime::numberSpanAt(text, position);
  if (!span) return;
  if (span->first > position || position > span->first + span->length ||
      span->first + span->length > text.size())
    std::abort();
  if (outcome(text.substr(span->first, span->length)) != outcome(text.substr(span->first)))
    std::abort();
}

void checkTypedLacing(std::string_view text) {
  try {
    if (runtime::typedCrossings(text) > 4) std::abort();
  } catch (const runtime::RuntimeError& error) {
    if (error.number() != runtime::ErrorNumber::InvalidPropertyValue) std::abort();
    if (!isWellFormed(error.message())) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const bool plain = isPlainDecimal(text);
  const double expected = plain ? std::strtod(text.c_str(), nullptr) : 0.0;
  try {
    const double value = runtime::numberFromText(text);
    if (!std::isfinite(value)) std::abort();
    if (plain && bitsOf(value) != bitsOf(expected)) std::abort();
  } catch (const runtime::RuntimeError& error) {
    if (error.number() != runtime::ErrorNumber::Overflow) std::abort();
    if (plain && !std::isinf(expected)) std::abort();
  }
  if (outcome(widened(text)) != outcome(text)) std::abort();
  if (outcome(withInvisibles(text)) != outcome(text)) std::abort();
  // A position the input chooses: any, in inputs up to 64 kB.
  checkNumberAt(text, size ? (data[0] | data[size - 1] << 8) % (size + 1) : 0);
  checkTypedLacing(text);
  return 0;
}
