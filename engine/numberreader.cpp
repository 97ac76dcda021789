// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads numbers the way the calculator's users expect: from the front, ignoring blanks.
#include "engine/numberreader.h"

#include "engine/widthfolding.h"

namespace runtime::detail {
namespace {

// Reads a text character by character, each folded to the ASCII it stands for (an input method's
// full-width "３６" is 36), passing over the blanks that the conversion ignores and the invisible
// format characters that pasted text carries.
class Reader {
 public:
  Reader(std::string_view text, std::string_view otherPoint)
      : text_(text), otherPoint_(otherPoint) {
    settle();
  }

  char peek() const { return current_.ascii; }
  void advance() {
    end_ = pos_ + current_.length;
    pos_ = end_;
    settle();
  }
  bool isDigit() const { return peek() >= '0' && peek() <= '9'; }
  /// Reads the decimal point, if it stands here.
  bool takePoint() {
    if (peek() == '.') {
      advance();
      return true;
    }
    if (otherPoint_.empty() || !text_.substr(pos_).starts_with(otherPoint_)) return false;
    end_ = pos_ + otherPoint_.size();
    pos_ = end_;
    settle();
    return true;
  }
  /// Where the current character starts.
  std::size_t position() const { return pos_; }
  /// Where the last character read ends.
  std::size_t end() const { return end_; }

  struct Mark {
    std::size_t pos;
    std::size_t end;
  };
  Mark mark() const { return {pos_, end_}; }
  void rewind(Mark mark) {
    pos_ = mark.pos;
    end_ = mark.end;
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
  std::string_view otherPoint_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  FoldedCharacter current_{'\0', 0};
};

constexpr int kNotADigit = 99;  // beyond every base, so it ends any run of digits
constexpr std::uint64_t kLargestRadix = 0xFFFFFFFFu;

int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return kNotADigit;
}

// The integer after "&H" or "&O"; the reader stands on the radix letter. True when it had a digit.
bool readRadix(Reader& in, ReadNumber& number) {
  const char letter = in.peek();
  const int base = (letter == 'H' || letter == 'h') ? 16 : (letter == 'O' || letter == 'o') ? 8 : 0;
  if (base == 0) return false;
  in.advance();
  std::uint64_t value = 0;
  bool anyDigit = false;
  for (int digit = digitValue(in.peek()); digit < base; digit = digitValue(in.peek())) {
    if (!number.radixTooLarge) value = value * base + digit;
    number.radixTooLarge = number.radixTooLarge || value > kLargestRadix;
    anyDigit = true;
    in.advance();
  }
  number.radix = value <= 0xFFFFu ? std::int64_t{static_cast<std::int16_t>(value)}
                                  : std::int64_t{static_cast<std::int32_t>(value)};
  return anyDigit;
}

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
  const Reader::Mark start = in.mark();
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

// A decimal number; the reader stands after its sign. True when it had a digit.
bool readDecimalToken(Reader& in, DecimalToken& token) {
  appendDigits(in, token, token.integerDigits);
  token.text.push_back('.');
  if (in.takePoint()) appendDigits(in, token, token.fractionDigits);
  if (token.integerDigits + token.fractionDigits == 0) return false;
  appendExponent(in, token);
  return true;
}

}  // namespace

ReadNumber readNumber(std::string_view text, std::string_view otherPoint) {
  Reader in(text, otherPoint);
  ReadNumber number;
  const std::size_t first = in.position();
  bool read = false;
  if (in.peek() == '&') {
    in.advance();
    read = readRadix(in, number);
    number.kind = ReadNumber::Kind::Radix;
  } else {
    number.negative = in.peek() == '-';
    if (number.negative || in.peek() == '+') in.advance();
    read = readDecimalToken(in, number.decimal);
    if (read) number.kind = ReadNumber::Kind::Decimal;
  }
  number.first = first;
  number.end = read ? in.end() : first;
  return number;
}

}  // namespace runtime::detail
