// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads numbers the way the calculator's users expect: from the front, ignoring blanks.
#include "numberfromtext.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <system_error>
#ifdef __APPLE__
#include <xlocale.h>  // strtod_l
#endif

#include "runtimeerror.h"
#include "widthfolding.h"

namespace runtime {
namespace {

const char* const kTooLarge = "输入的数字太大，超出了能计算的范围。";

// Reads a text character by character, each folded to the ASCII it stands for (an input method's
// full-width "３６" is 36), passing over the blanks that the conversion ignores and the invisible
// format characters that pasted text carries.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) { settle(); }

  char peek() const { return current_.ascii; }
  void advance() {
    pos_ += current_.length;
    settle();
  }
  bool isDigit() const { return peek() >= '0' && peek() <= '9'; }
  std::size_t position() const { return pos_; }
  void rewind(std::size_t pos) {
    pos_ = pos;
    settle();
  }

 private:
  // Reads the character at the position, first passing over blanks and invisible characters.
  void settle() {
    for (; pos_ < text_.size(); pos_ += current_.length) {
      current_ = foldedAt(text_, pos_);
      const char c = current_.ascii;
      if (!current_.invisible && c != ' ' && c != '\t' && c != '\n') return;
    }
    current_ = {'\0', 0};
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  FoldedCharacter current_{'\0', 0};
};

constexpr int kNotADigit = 99;  // beyond every base, so it ends any run of digits

int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return kNotADigit;
}

// The integer after "&H" or "&O"; the reader stands on the radix letter.
double radixInteger(Reader& in) {
  const char letter = in.peek();
  const int base = (letter == 'H' || letter == 'h') ? 16 : (letter == 'O' || letter == 'o') ? 8 : 0;
  if (base == 0) return 0.0;
  in.advance();
  std::uint64_t value = 0;
  for (int digit = digitValue(in.peek()); digit < base; digit = digitValue(in.peek())) {
    value = value * base + digit;
    if (value > 0xFFFFFFFFu) raiseOverflow(kTooLarge);
    in.advance();
  }
  if (value <= 0xFFFFu) return static_cast<std::int16_t>(value);
  return static_cast<std::int32_t>(value);
}

// Digits of a decimal number gathered for readDecimal(), which is exact and locale-free.
struct DecimalToken {
  std::string text;
  std::size_t integerDigits = 0;
  std::size_t fractionDigits = 0;
  std::int64_t exponent = 0;  // saturated far beyond any double's range
};

void appendDigits(Reader& in, DecimalToken& token, std::size_t& count) {
  for (; in.isDigit(); in.advance()) {
    token.text.push_back(in.peek());
    ++count;
  }
}

// An exponent counts only when a digit follows E or D (and its sign); otherwise it is not read.
void appendExponent(Reader& in, DecimalToken& token) {
  const char letter = in.peek();
  if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') return;
  const std::size_t start = in.position();
  in.advance();
  const bool negative = in.peek() == '-';
  if (in.peek() == '+' || negative) in.advance();
  if (!in.isDigit()) {
    in.rewind(start);
    return;
  }
  token.text.append(negative ? "e-" : "e");
  constexpr std::int64_t kSaturation = 100'000'000'000'000'000;  // ten times it still fits
  for (; in.isDigit(); in.advance()) {
    token.text.push_back(in.peek());
    if (token.exponent < kSaturation) token.exponent = token.exponent * 10 + (in.peek() - '0');
  }
  if (negative) token.exponent = -token.exponent;
}

// Whether a number that readDecimal() found out of range is too large (rather than too small):
// its first significant digit stands at a positive power of ten.
bool isTooLarge(const DecimalToken& token) {
  const std::string_view digits(token.text);
  const std::string_view integer = digits.substr(0, token.integerDigits);
  const std::size_t firstInteger = integer.find_first_not_of('0');
  if (firstInteger != std::string_view::npos)
    return token.exponent + static_cast<std::int64_t>(integer.size() - firstInteger) > 0;
  const std::string_view fraction = digits.substr(token.integerDigits + 1, token.fractionDigits);
  return token.exponent - static_cast<std::int64_t>(fraction.find_first_not_of('0')) > 0;
}

#if defined(__cpp_lib_to_chars) && !defined(NUMBER_FROM_TEXT_WITH_STRTOD)
// The correctly rounded double of a decimal in the form "ddd.ddde-dd"; false when it is beyond
// the double range (too large, or too small for a subnormal).
bool readDecimal(const std::string& decimal, double& value) {
  const char* const first = decimal.data();
  return std::from_chars(first, first + decimal.size(), value).ec == std::errc();
}
#else
// The same with the C library, where the standard library cannot read doubles (libc++ before
// 20): strtod rounds correctly too, and the "C" locale keeps "." its decimal point whatever
// locale the toolkit has set.
bool readDecimal(const std::string& decimal, double& value) {
#ifdef _WIN32
  static const _locale_t cLocale = _create_locale(LC_NUMERIC, "C");
  errno = 0;
  const double read = _strtod_l(decimal.c_str(), nullptr, cLocale);
#else
  static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", nullptr);
  errno = 0;
  const double read = strtod_l(decimal.c_str(), nullptr, cLocale);
#endif
  // strtod also reports a subnormal result as a range error; std::from_chars reads it.
  if (errno == ERANGE && (std::isinf(read) || read == 0.0)) return false;
  value = read;
  return true;
}
#endif

}  // namespace

double numberFromText(std::string_view text) {
  Reader in(text);
  if (in.peek() == '&') {
    in.advance();
    return radixInteger(in);
  }
  const bool negative = in.peek() == '-';
  if (negative || in.peek() == '+') in.advance();

  DecimalToken token;
  appendDigits(in, token, token.integerDigits);
  token.text.push_back('.');
  if (in.peek() == '.') {
    in.advance();
    appendDigits(in, token, token.fractionDigits);
  }
  if (token.integerDigits + token.fractionDigits == 0) return 0.0;
  appendExponent(in, token);

  double value = 0.0;
  if (!readDecimal(token.text, value)) {
    if (isTooLarge(token)) raiseOverflow(kTooLarge);
    value = 0.0;
  }
  return negative ? -value : value;
}

}  // namespace runtime
