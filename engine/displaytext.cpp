// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Rounds a length to the two decimals that the result box shows.
#include "engine/displaytext.h"

#include <charconv>
#include <cmath>
#ifdef DISPLAY_TEXT_WITH_SNPRINTF
#include <clocale>
#include <cstdio>
#ifdef __APPLE__
#include <xlocale.h>  // newlocale, uselocale
#endif
#endif

#include "engine/runtimeerror.h"

namespace runtime {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kFractionDigits = 2;

// A non-negative decimal number: significant digits, and how many of them stand before the point
// (negative or beyond the digits for small or large numbers).
struct Decimal {
  std::string digits;
  int pointPosition = 0;
};

#ifndef DISPLAY_TEXT_WITH_SNPRINTF
// `magnitude` as "d.dddddddddddddde+XX", correctly rounded to 15 significant digits.
std::string_view scientific(double magnitude, char (&buffer)[32]) {
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                 std::chars_format::scientific, kSignificantDigits - 1)
                       .ptr;
  return {buffer, static_cast<std::size_t>(end - buffer)};
}
#else
// The same with the C library, where the standard library cannot write a double with a precision
// (an older libc++, as emscripten's): its printf rounds correctly too, and the "C" locale keeps
// "." its decimal point whatever locale the toolkit has set.
std::string_view scientific(double magnitude, char (&buffer)[32]) {
#ifdef _WIN32
  static const _locale_t cLocale = _create_locale(LC_NUMERIC, "C");
  const int length = _snprintf_s_l(buffer, sizeof buffer, _TRUNCATE, "%.*e", cLocale,
                                   kSignificantDigits - 1, magnitude);
#else
  static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", nullptr);
  const locale_t previous = uselocale(cLocale);
  const int length =
      std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, magnitude);
  uselocale(previous);
#endif
  return {buffer, static_cast<std::size_t>(length)};
}
#endif

// The value's 15-significant-digit decimal form, correctly rounded from the binary value.
Decimal fifteenDigitForm(double magnitude) {
  char buffer[32];
  const std::string_view text = scientific(magnitude, buffer);  // "d.dddddddddddddde+XX"
  const std::size_t e = text.find('e');
  Decimal decimal;
  decimal.digits.push_back(text[0]);
  decimal.digits.append(text.substr(2, e - 2));
  const char* const exponent = text.data() + e + (text[e + 1] == '+' ? 2 : 1);
  std::from_chars(exponent, text.data() + text.size(), decimal.pointPosition);
  ++decimal.pointPosition;
  return decimal;
}

// Rounds half away from zero to two fraction digits, dropping the digits beyond them.
void roundToFraction(Decimal& decimal) {
  const int keep = decimal.pointPosition + kFractionDigits;
  if (keep >= static_cast<int>(decimal.digits.size())) return;
  if (keep < 0) {
    decimal.digits.clear();
    return;
  }
  const bool roundUp = decimal.digits[keep] >= '5';
  decimal.digits.resize(keep);
  if (!roundUp) return;
  for (auto digit = decimal.digits.rbegin(); digit != decimal.digits.rend(); ++digit) {
    if (*digit != '9') {
      ++*digit;
      return;
    }
    *digit = '0';
  }
  decimal.digits.insert(decimal.digits.begin(), '1');
  ++decimal.pointPosition;
}

// The digit at a position counted from the first significant digit; zeros outside them.
char digitAt(const Decimal& decimal, int position) {
  const bool inside = position >= 0 && position < static_cast<int>(decimal.digits.size());
  return inside ? decimal.digits[position] : '0';
}

}  // namespace

std::string displayText(double value, std::string_view decimalSeparator) {
  if (!std::isfinite(value)) raise(messages::kNotDisplayable);
  Decimal decimal = fifteenDigitForm(std::fabs(value));
  roundToFraction(decimal);

  std::string text = value < 0 ? "-" : "";
  bool leading = true;
  for (int position = 0; position < decimal.pointPosition; ++position) {
    const char digit = digitAt(decimal, position);
    leading = leading && digit == '0';
    if (!leading) text.push_back(digit);
  }
  text.append(decimalSeparator);
  std::string fraction;
  for (int i = 0; i < kFractionDigits; ++i)
    fraction.push_back(digitAt(decimal, decimal.pointPosition + i));
  fraction.erase(fraction.find_last_not_of('0') + 1);
  return text + fraction;
}

}  // namespace runtime
