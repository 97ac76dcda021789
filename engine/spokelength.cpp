// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The spoke length, computed step by step in a fixed order so that every error is raised at the
// step that causes it. The sine and cosine are the program's own, so that every platform gives
// the same bits; a length may differ from one computed with the C library's in its last bits.
#include "engine/spokelength.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/arithmetic.h"
#include "engine/numberfromtext.h"
#include "engine/runtimeerror.h"
#include "engine/trigonometry.h"

namespace calc {
namespace {

constexpr std::int16_t kDegreesPerTurn = 360;
constexpr double kHalfDivisor = 2.0;
// The decimal constant the calculator has always used, not the full-precision value of pi.
constexpr double kPi = 3.1415926;
constexpr double kDegreesPerHalfTurn = 180.0;

// The crossing index turned into degrees, in 16-bit integer arithmetic.
std::int16_t crossingDegrees(std::int16_t crossingIndex) {
  const int product = int{crossingIndex} * kDegreesPerTurn;
  if (product < std::numeric_limits<std::int16_t>::min() ||
      product > std::numeric_limits<std::int16_t>::max())
    runtime::raise(runtime::messages::kTooManyCrossings);
  return static_cast<std::int16_t>(product);
}

// The floating-point error after a step on the typed lengths. Every operand here is finite
// (conversions never give an infinity or a NaN), so a NaN result is exactly an invalid operation
// and an infinite one exactly an overflow. Halves of finite doubles reach neither today: these
// guard the steps against a change of formula.
double guarded(double result) {
  if (std::isnan(result)) runtime::raise(runtime::messages::kBadLengthsInvalid);
  if (std::isinf(result)) runtime::raise(runtime::messages::kBadLengths);
  return result;
}

// The angle in degrees by which a spoke's flange hole is turned, for the given spoke count.
double crossingAngle(std::int16_t degrees, double spokeCount) {
  const double halfCount = spokeCount / kHalfDivisor;
  if (halfCount == 0.0) {
    runtime::raise(degrees == 0 ? runtime::messages::kNoSpokesRadial
                                : runtime::messages::kNoSpokes);
  }
  // Both finite and the divisor not 0: never a NaN.
  const double angle = degrees / halfCount;
  if (std::isinf(angle)) runtime::raise(runtime::messages::kTooFewSpokes);
  return angle;
}

}  // namespace

SpokeGeometry ComputeSpokeGeometry(const SpokeInputs& inputs) {
  using runtime::numberFromText;
  const double spokeCount = numberFromText(inputs.spokeCount);
  const std::int16_t degrees = crossingDegrees(inputs.crossingIndex);
  const double angle = crossingAngle(degrees, spokeCount);
  // A quotient of two constants cannot signal anything: its guard holds at compile time.
  constexpr double kRadiansPerDegree = kPi / kDegreesPerHalfTurn;
  const double radians = runtime::multiply(angle, kRadiansPerDegree);
  // Sine and cosine together: one reduction of the angle; neither can raise an error.
  const runtime::SineAndCosine turn = runtime::sineAndCosine(radians);
  const double across = guarded(numberFromText(inputs.flangeDiameter) / kHalfDivisor * turn.sine);
  const double flangeDiameter = numberFromText(inputs.flangeDiameter);
  const double along = guarded(numberFromText(inputs.effectiveRimDiameter) / kHalfDivisor -
                               flangeDiameter / kHalfDivisor * turn.cosine);
  const double offset = numberFromText(inputs.centreOffset);
  const double acrossSquared = runtime::square(across);
  const double alongSquared = runtime::square(along);
  const double inPlane = runtime::add(acrossSquared, alongSquared);
  const double offsetSquared = runtime::square(offset);
  const double span = runtime::add(inPlane, offsetSquared);
  const double run = std::sqrt(span);
  const double holeDiameter = numberFromText(inputs.spokeHoleDiameter);
  return {offset, run, guarded(run - holeDiameter / kHalfDivisor)};
}

double ComputeSpokeLength(const SpokeInputs& inputs) { return ComputeSpokeGeometry(inputs).length; }

}  // namespace calc
