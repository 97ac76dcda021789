// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sine and cosine: exact reduction by multiples of pi/2 in integer arithmetic, then Taylor
// polynomials on the remainder, carried with its rounding error.
#include "engine/trigonometry.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace runtime {
namespace {

// The bits of 2/pi after the binary point, 32 a word: enough for the largest double.
constexpr std::array<std::uint32_t, 40> kTwoOverPi = {
    0xA2F9836E, 0x4E441529, 0xFC2757D1, 0xF534DDC0, 0xDB629599, 0x3C439041, 0xFE5163AB, 0xDEBBC561,
    0xB7246E3A, 0x424DD2E0, 0x06492EEA, 0x09D1921C, 0xFE1DEB1C, 0xB129A73E, 0xE88235F5, 0x2EBB4484,
    0xE99C7026, 0xB45F7E41, 0x3991D639, 0x835339F4, 0x9C845F8B, 0xBDF9283B, 0x1FF897FF, 0xDE05980F,
    0xEF2F118B, 0x5A0A6D1F, 0x6D367ECF, 0x27CB09B7, 0x4F463F66, 0x9E5FEA2D, 0x7527BAC7, 0xEBE5F17B,
    0x3D0739F7, 0x8A5292EA, 0x6BFB5FB1, 0x1F8D5D08, 0x56033046, 0xFC7B6BAB, 0xF0CFBC20, 0x9AF4361D};
// pi/2 as the sum of two doubles.
constexpr double kHalfPi = 0x1.921fb54442d18p+0;
constexpr double kHalfPiTail = 0x1.1a62633145c07p-54;
constexpr double kQuarterPi = 0x1.921fb54442d18p-1;

// A number as an unevaluated sum of two doubles, the second below half an ulp of the first.
struct DoubleDouble {
  double hi;
  double lo;
};

// a * b exactly, as a sum (Dekker's product: no fused multiply-add needed).
DoubleDouble exactProduct(double a, double b) {
  constexpr double kSplitter = 134217729.0;  // 2^27 + 1
  const double p = a * b;
  const double ta = kSplitter * a;
  const double ah = ta - (ta - a);
  const double al = a - ah;
  const double tb = kSplitter * b;
  const double bh = tb - (tb - b);
  const double bl = b - bh;
  return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

// A window of 192 bits of 2/pi, starting at bit `first` after the binary point (from 1), in
// 32-bit words, most significant first.
std::array<std::uint32_t, 6> twoOverPiWindow(int first) {
  std::array<std::uint32_t, 6> window{};
  const int word = (first - 1) / 32;
  const int bit = (first - 1) % 32;
  for (int i = 0; i < 6; ++i) {
    const std::uint64_t pair =
        (std::uint64_t{kTwoOverPi[word + i]} << 32) | kTwoOverPi[word + i + 1];
    window[i] = static_cast<std::uint32_t>(pair >> (32 - bit));
  }
  return window;
}

using Wide = std::array<std::uint32_t, 8>;  // 256 bits, most significant word first

// Word k of a wide number counted from the least significant (zero outside it).
std::uint64_t wordAt(const Wide& number, int k) { return k >= 0 && k < 8 ? number[7 - k] : 0; }

// The bits [from, from + 64) of a wide number, bit 0 the least significant (zeros outside it).
std::uint64_t bitsAt(const Wide& number, int from) {
  const int q = from >= 0 ? from / 32 : -((31 - from) / 32);
  const int r = from - 32 * q;
  const std::uint64_t low = ((wordAt(number, q + 1) << 32) | wordAt(number, q)) >> r;
  return r == 0 ? low : low | (wordAt(number, q + 2) << (64 - r));
}

bool bitAt(const Wide& number, int at) { return (wordAt(number, at >> 5) >> (at & 31)) & 1u; }

// |x| > pi/4, finite: x = (quadrant + fraction) * pi/2 with |fraction| <= 1/2, and the remainder
// fraction * pi/2 as a double-double. x = m * 2^e with a 53-bit integer m; only the bits of 2/pi
// from e - 2 on matter modulo 4, and 192 of them leave an error below 2^-136.
struct Reduced {
  int quadrant;
  DoubleDouble remainder;
};

Reduced reduce(double x) {
  int exponent = 0;
  const double mantissa = std::frexp(x, &exponent);
  const auto m = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
  const int e = exponent - 53;
  const int first = e - 2 > 1 ? e - 2 : 1;
  const std::array<std::uint32_t, 6> window = twoOverPiWindow(first);
  // product = m * window, eight words, most significant first.
  Wide product{};
  const std::uint32_t mWords[2] = {static_cast<std::uint32_t>(m >> 32),
                                   static_cast<std::uint32_t>(m)};
  for (int i = 1; i >= 0; --i) {
    std::uint64_t carry = 0;
    for (int j = 5; j >= 0; --j) {
      const int at = i + j + 1;
      const std::uint64_t sum = std::uint64_t{mWords[i]} * window[j] + product[at] + carry;
      product[at] = static_cast<std::uint32_t>(sum);
      carry = sum >> 32;
    }
    product[i] += static_cast<std::uint32_t>(carry);
  }
  // x * 2/pi = product * 2^-point, point >= 189: the integer part's two low bits are the
  // quadrant, the bits below the point the fraction.
  const int point = first + 191 - e;
  int quadrant = static_cast<int>(bitsAt(product, point) & 3u);
  const bool negative = bitAt(product, point - 1);  // a fraction of 1/2 or more rounds up
  if (negative) {
    quadrant = (quadrant + 1) & 3;
    // The fraction becomes 1 - fraction (and negative): complement the bits below the point.
    for (int i = 0; i < 8; ++i) product[i] = ~product[i];
  }
  // The fraction's leading 128 bits below the point (a negative one complemented is off by
  // one unit of 2^-point, far below what is kept).
  int top = point - 1;
  while (top > 0 && !bitAt(product, top)) --top;
  const std::uint64_t high = bitsAt(product, top - 63);
  const std::uint64_t low = bitsAt(product, top - 127);
  const double hi = std::ldexp(static_cast<double>(high >> 11), top - 52 - point);
  const double lo =
      std::ldexp(static_cast<double>(((high & 0x7FF) << 53) | (low >> 11)), top - 116 - point);
  // remainder = (hi + lo) * (kHalfPi + kHalfPiTail), to double-double precision.
  const DoubleDouble p = exactProduct(hi, kHalfPi);
  const double tail = p.lo + (hi * kHalfPiTail + lo * kHalfPi);
  const double sum = p.hi + tail;
  DoubleDouble remainder{sum, tail - (sum - p.hi)};
  if (negative) remainder = {-remainder.hi, -remainder.lo};
  return {quadrant, remainder};
}

// sin(x + y) for |x| <= pi/4 and |y| below half an ulp of x: Taylor to x^17.
double sineKernel(double x, double y) {
  constexpr double kS1 = -1.0 / 6;
  constexpr double kS2 = 1.0 / 120, kS3 = -1.0 / 5040, kS4 = 1.0 / 362880, kS5 = -1.0 / 39916800,
                   kS6 = 1.0 / 6227020800, kS7 = -1.0 / 1307674368000, kS8 = 1.0 / 355687428096000;
  const double z = x * x;
  const double v = z * x;
  const double r = kS2 + z * (kS3 + z * (kS4 + z * (kS5 + z * (kS6 + z * (kS7 + z * kS8)))));
  return x - ((z * (0.5 * y - v * r) - y) - v * kS1);
}

// cos(x + y) likewise: Taylor to x^16.
double cosineKernel(double x, double y) {
  constexpr double kC1 = 1.0 / 24, kC2 = -1.0 / 720, kC3 = 1.0 / 40320, kC4 = -1.0 / 3628800,
                   kC5 = 1.0 / 479001600, kC6 = -1.0 / 87178291200, kC7 = 1.0 / 20922789888000,
                   kC8 = -1.0 / 6402373705728000;
  const double z = x * x;
  const double r =
      z * (kC1 + z * (kC2 + z * (kC3 + z * (kC4 + z * (kC5 + z * (kC6 + z * (kC7 + z * kC8)))))));
  const double half = 0.5 * z;
  const double w = 1.0 - half;
  return w + (((1.0 - w) - half) + (z * r - x * y));
}

// sin and cos of r + tail (|r| <= pi/4) turned by `quadrant` quarter turns.
SineAndCosine turned(int quadrant, double r, double tail) {
  const double sine = sineKernel(r, tail);
  const double cosine = cosineKernel(r, tail);
  switch (quadrant) {
    case 0:
      return {sine, cosine};
    case 1:
      return {cosine, -sine};
    case 2:
      return {-sine, -cosine};
    default:
      return {-cosine, sine};
  }
}

}  // namespace

SineAndCosine sineAndCosine(double radians) {
  if (!std::isfinite(radians)) return {radians - radians, radians - radians};
  if (std::fabs(radians) <= kQuarterPi) return turned(0, radians, 0.0);
  const Reduced reduced = reduce(std::fabs(radians));
  const SineAndCosine ofMagnitude =
      turned(reduced.quadrant, reduced.remainder.hi, reduced.remainder.lo);
  // sin is odd, cos even.
  return {radians < 0 ? -ofMagnitude.sine : ofMagnitude.sine, ofMagnitude.cosine};
}

}  // namespace runtime
