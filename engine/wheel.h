// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole wheel: both flanges' spoke lengths at once, each side's bracing angle, the share of
// the spoke tension each side carries, and the length to order from a stock of lengths.
//
// The path of a click: the view's texts become a WheelInputs; ComputeWheel computes each side
// with ComputeSpokeLength, so that a side's length is the window's for that side's inputs, and
// turns the sides' geometry into angles and shares; wheelTexts() gives what the view shows.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/messages.h"

namespace calc {

/// The sides of a wheel, in the order the view lists them.
enum class Side : std::size_t { Left, Right };
inline constexpr std::array kSides = {Side::Left, Side::Right};
inline constexpr std::array<std::string_view, 2> kSideNames = {"左侧", "右侧"};

/// The steps a spoke stock comes in, in the order of the view's list; the first is the default.
inline constexpr std::array<double, 3> kOrderSteps = {2.0, 1.0, 0.5};
inline constexpr std::array<std::string_view, 3> kOrderStepNames = {"2 mm", "1 mm", "0.5 mm"};

/// One flange, as typed.
struct FlangeInputs {
  std::string flangeDiameter;
  std::string centreOffset;
  std::string lacing;
};

/// A wheel, as typed: what both sides share, and each side's flange.
struct WheelInputs {
  std::string spokeCount;
  std::string effectiveRimDiameter;
  std::string spokeHoleDiameter;
  std::array<FlangeInputs, 2> sides;
  /// One of kOrderSteps.
  double orderStep = kOrderSteps[0];
};

/// A message for the user: an error number and its whole text, naming the side it is about.
struct Problem {
  runtime::ErrorNumber number;
  std::string message;
};

/// One side's results; where its length could not be computed, `problem` says why and the
/// numbers are not set.
struct SideResult {
  std::optional<Problem> problem;
  double length = 0.0;
  /// The length rounded down to the order step.
  double orderLength = 0.0;
  /// Between the spoke and the wheel's plane, in degrees.
  double bracingDegrees = 0.0;
};

struct WheelResult {
  std::array<SideResult, 2> sides;
  /// The left side's share of the spoke tension, 0 to 1 (the right side carries the rest); not
  /// set where a side failed or does not pull sideways.
  std::optional<double> leftShare;
  /// Why there is no share, where both lengths are known.
  std::optional<Problem> shareProblem;

  const SideResult& operator[](Side side) const { return sides[static_cast<std::size_t>(side)]; }
};

/// Computes both sides. Never raises: a failing side or share is reported in the result.
WheelResult ComputeWheel(const WheelInputs& inputs);

/// The texts a view shows for a result: each side's length (as the window shows it), length to
/// order, tension share and bracing angle, empty where not computed; and every problem, one to a
/// line, with the first one's number.
struct WheelTexts {
  std::array<std::string, 2> length;
  std::array<std::string, 2> orderLength;
  std::array<std::string, 2> share;
  std::array<std::string, 2> bracingAngle;
  std::string problems;
  runtime::ErrorNumber problemNumber{};
};
WheelTexts wheelTexts(const WheelResult& result);

}  // namespace calc
