// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The value of a number read from a text: exact, and the same in every locale.
#include "engine/numberfromtext.h"

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

#include "engine/numberreader.h"
#include "engine/runtimeerror.h"

namespace runtime {
namespace {

// Whether a number that readDecimal() found out of range is too large (rather than too small):
// its first significant digit stands at a positive power of ten.
bool isTooLarge(const detail::DecimalToken& token) {
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
  const detail::ReadNumber number = detail::readNumber(text);
  switch (number.kind) {
    case detail::ReadNumber::Kind::None:
      return 0.0;
    case detail::ReadNumber::Kind::Radix:
      if (number.radixTooLarge) raise(messages::kNumberTooLarge);
      return static_cast<double>(number.radix);
    case detail::ReadNumber::Kind::Decimal:
      break;
  }
  double value = 0.0;
  if (!readDecimal(number.decimal.text, value)) {
    if (isTooLarge(number.decimal)) raise(messages::kNumberTooLarge);
    value = 0.0;
  }
  return number.negative ? -value : value;
}

}  // namespace runtime
