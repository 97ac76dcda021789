// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole wheel, side by side.
//
// Each side's spokes pull the rim towards their flange by tension × offset / run (the spoke's
// sideways part); a trued wheel has both pulls equal, so each side's tension is in inverse
// proportion to its own offset / run, the sine of its bracing angle.
#include "engine/wheel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/displaytext.h"
#include "engine/lacing.h"
#include "engine/runtimeerror.h"
#include "engine/spokelength.h"

namespace calc {
namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr std::string_view kBothSides = "两侧";

std::size_t indexOf(Side side) { return static_cast<std::size_t>(side); }

Problem problemOf(Side side, const runtime::RuntimeError& error) {
  return {error.number(), std::string(kSideNames[indexOf(side)]) + "：" + error.message()};
}

struct SideGeometry {
  SideResult result;
  /// The sine of the bracing angle: the side's sideways pull per unit of tension.
  double sidewaysPull = 0.0;
};

SideGeometry computeSide(const WheelInputs& wheel, Side side) {
  const FlangeInputs& flange = wheel.sides[indexOf(side)];
  SideGeometry computed;
  try {
    const SpokeInputs inputs{wheel.spokeCount,           runtime::typedCrossings(flange.lacing),
                             wheel.effectiveRimDiameter, flange.flangeDiameter,
                             flange.centreOffset,        wheel.spokeHoleDiameter};
    const SpokeGeometry geometry = ComputeSpokeGeometry(inputs);
    computed.result.length = geometry.length;
    computed.result.orderLength = std::floor(geometry.length / wheel.orderStep) * wheel.orderStep;
    // The run is at least the offset; rounding must not push the sine past 1.
    computed.sidewaysPull =
        geometry.run == 0.0 ? 0.0 : std::min(1.0, std::fabs(geometry.offset) / geometry.run);
    computed.result.bracingDegrees = std::asin(computed.sidewaysPull) * kDegreesPerRadian;
  } catch (const runtime::RuntimeError& error) {
    computed.result.problem = problemOf(side, error);
  }
  return computed;
}

// A side whose tenths of a unit round to n leaves 1000 - n tenths of a percent to the other, so
// that the two shown shares always add up to 100.0.
std::string tenthsText(long long tenths) {
  std::string text = tenths < 0 ? "-" : "";
  const long long whole = std::llabs(tenths);
  text.append(std::to_string(whole / 10)).append(".").append(std::to_string(whole % 10));
  return text;
}

// A length to order as a builder writes it: "290", "290.5".
std::string orderText(double length) {
  std::string text = runtime::displayText(length, ".");
  if (text.ends_with('.')) text.pop_back();
  return text.empty() ? "0" : text;
}

}  // namespace

WheelResult ComputeWheel(const WheelInputs& inputs) {
  WheelResult wheel;
  std::array<double, 2> pulls{};
  for (const Side side : kSides) {
    SideGeometry computed = computeSide(inputs, side);
    pulls[indexOf(side)] = computed.sidewaysPull;
    wheel.sides[indexOf(side)] = std::move(computed.result);
  }
  if (wheel[Side::Left].problem || wheel[Side::Right].problem) return wheel;
  for (const Side side : kSides) {
    if (pulls[indexOf(side)] == 0.0) {
      const runtime::RuntimeError error(runtime::messages::kNoSidewaysPull,
                                        kSideNames[indexOf(side)]);
      wheel.shareProblem = Problem{error.number(), error.message()};
      return wheel;
    }
  }
  wheel.leftShare = pulls[indexOf(Side::Right)] / (pulls[0] + pulls[1]);
  return wheel;
}

WheelTexts wheelTexts(const WheelResult& result) {
  WheelTexts texts;
  for (const Side side : kSides) {
    const std::size_t i = indexOf(side);
    const SideResult& sideResult = result[side];
    if (sideResult.problem) continue;
    texts.length[i] = runtime::displayText(sideResult.length, ".");
    texts.orderLength[i] = orderText(sideResult.orderLength);
    texts.bracingAngle[i] = tenthsText(std::llround(sideResult.bracingDegrees * 10.0)) + "°";
  }
  if (result.leftShare) {
    const long long leftTenths = std::llround(*result.leftShare * 1000.0);
    texts.share = {tenthsText(leftTenths) + "%", tenthsText(1000 - leftTenths) + "%"};
  }
  const std::optional<Problem>& left = result[Side::Left].problem;
  const std::optional<Problem>& right = result[Side::Right].problem;
  const std::size_t nameLength = kSideNames[0].size();
  if (left && right && left->message.substr(nameLength) == right->message.substr(nameLength)) {
    texts.problems = std::string(kBothSides) + left->message.substr(nameLength);
    texts.problemNumber = left->number;
    return texts;
  }
  for (const std::optional<Problem>& problem : {left, right, result.shareProblem}) {
    if (!problem) continue;
    if (texts.problems.empty())
      texts.problemNumber = problem->number;
    else
      texts.problems += '\n';
    texts.problems += problem->message;
  }
  return texts;
}

}  // namespace calc
