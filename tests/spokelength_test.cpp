// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The spoke length: worked examples and the error each bad input raises.
#include "engine/spokelength.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <ostream>
#include <string>

#include "engine/displaytext.h"
#include "engine/lacing.h"
#include "engine/runtimeerror.h"
#include "engine/trigonometry.h"
#include "engine/wheel.h"

namespace {

using calc::SpokeInputs;
using runtime::ErrorNumber;

SpokeInputs wheel(std::string spokes, std::int16_t crossings) {
  return {std::move(spokes), crossings, "600", "45", "35", "2.6"};
}

struct Example {
  const char* name;
  SpokeInputs inputs;
  double length;
  const char* text;
};

void PrintTo(const Example& c, std::ostream* os) { *os << c.name; }

class WorkedExample : public testing::TestWithParam<Example> {};

TEST_P(WorkedExample, GivesItsLengthAndText) {
  const double length = calc::ComputeSpokeLength(GetParam().inputs);
  EXPECT_NEAR(length, GetParam().length, 5e-4);
  EXPECT_EQ(runtime::displayText(length, "."), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Wheels, WorkedExample,
    testing::Values(
        Example{"ThirtySixThreeCross", wheel("36", 3), 290.2155, "290.22"},
        Example{"ThirtyTwoThreeCross", wheel("32", 3), 292.9195, "292.92"},
        Example{"Radial", wheel("36", 0), 278.3985, "278.4"},
        Example{"NoLacingPicked", wheel("36", -1), 279.8505, "279.85"},
        Example{"NegativeSpokeCount", wheel("-36", 3), 290.2155, "290.22"},
        Example{"HintsInTheBoxes", {"36", 3, "ERD", "d", "", "S"}, 0.0, "."},
        Example{"FlangeWithLetters", {"36", 3, "600", "45abc", "35", "2.6"}, 290.2155, "290.22"},
        Example{"TypedInFullWidth",
                {"３６", 3, "６００", "４５", "３５", "２．６"},
                290.2155,
                "290.22"},
        Example{"ChinesePunctuation", {"36", 3, "600", "45", "35", "2。6"}, 290.2155, "290.22"},
        Example{
            "BlanksInsideNumbers", {"3 6", 3, "6 00", "4 5", "3 5", "2 .6"}, 290.2155, "290.22"},
        Example{"PastedWithInvisibleCharacters",
                {"\u200E36", 3, "6\u200B00", "\u206645\u2069", "3\u00AD5", "\uFEFF2.6"},
                290.2155,
                "290.22"},
        Example{"PastedWithOtherSpacesAndStops",
                {"3\u20096", 3, "6\u202F00", "45", "35", "2\uFF616"},
                290.2155,
                "290.22"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ComputeSpokeLength, IsExactlyTheStepwiseFormula) {
  // The steps rounded one by one, with the decimal constant 3.1415926 for pi.
  const double radians = (1080 / (36 / 2.0)) * (3.1415926 / 180.0);
  const runtime::SineAndCosine turn = runtime::sineAndCosine(radians);
  const double x = 45 / 2.0 * turn.sine;
  const double y = 600 / 2.0 - 45 / 2.0 * turn.cosine;
  const double expected = std::sqrt((x * x + y * y) + 35.0 * 35.0) - 2.6 / 2.0;
  EXPECT_EQ(calc::ComputeSpokeLength(wheel("36", 3)), expected);
}

TEST(ComputeSpokeLength, ANegativeLacingIndexIsEvenInTheAngle) {
  EXPECT_EQ(calc::ComputeSpokeLength(wheel("36", -1)), calc::ComputeSpokeLength(wheel("36", 1)));
  EXPECT_EQ(calc::ComputeSpokeLength(wheel("-36", 3)), calc::ComputeSpokeLength(wheel("36", 3)));
}

struct Failure {
  const char* name;
  SpokeInputs inputs;
  ErrorNumber number;
  const char* messagePart;
};

void PrintTo(const Failure& c, std::ostream* os) { *os << c.name; }

class FailingInput : public testing::TestWithParam<Failure> {};

TEST_P(FailingInput, RaisesItsErrorAndReturnsNothing) {
  try {
    const double length = calc::ComputeSpokeLength(GetParam().inputs);
    FAIL() << "returned " << length;
  } catch (const runtime::RuntimeError& error) {
    EXPECT_EQ(error.number(), GetParam().number);
    EXPECT_NE(error.message().find(GetParam().messagePart), std::string::npos) << error.message();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, FailingInput,
    testing::Values(
        Failure{"ZeroSpokes", wheel("0", 3), ErrorNumber::DivisionByZero, "钢线数为 0"},
        Failure{"EmptySpokeCount", wheel("", 3), ErrorNumber::DivisionByZero, "钢线数为 0"},
        Failure{"LettersForSpokeCount", wheel("abc", 3), ErrorNumber::DivisionByZero, "钢线数为 0"},
        Failure{"ZeroSpokesRadial", wheel("0", 0), ErrorNumber::InvalidOperation, "钢线数为 0"},
        Failure{"EmptySpokeCountRadial", wheel("", 0), ErrorNumber::InvalidOperation, "钢线数为 0"},
        Failure{"LettersRadial", wheel("abc", 0), ErrorNumber::InvalidOperation, "钢线数为 0"},
        Failure{"SmallestSubnormalSpokeCount", wheel("5e-324", 3), ErrorNumber::DivisionByZero,
                "钢线数为 0"},
        Failure{"TinySpokeCount", wheel("1e-310", 3), ErrorNumber::Overflow, "钢线数太接近 0"},
        Failure{"LacingBeyondSixteenBits", wheel("36", 92), ErrorNumber::Overflow, "交叉数太大"},
        Failure{"LacingBelowSixteenBits", wheel("36", -92), ErrorNumber::Overflow, "交叉数太大"},
        Failure{"LacingOverflowBeforeZeroSpokes", wheel("0", 100), ErrorNumber::Overflow,
                "交叉数太大"},
        Failure{"SpokeCountTooLarge", wheel("1e999", 3), ErrorNumber::Overflow, "数字太大"},
        Failure{"RimTooLargeToSquare",
                {"36", 3, "1e200", "45", "35", "2.6"},
                ErrorNumber::Overflow,
                "计算结果太大"},
        Failure{"OffsetTooLargeToSquare",
                {"36", 3, "600", "45", "-1e155", "2.6"},
                ErrorNumber::Overflow,
                "计算结果太大"},
        Failure{"SumTooLarge",
                {"36", 0, "2e154", "0", "1.3e154", "0"},
                ErrorNumber::Overflow,
                "计算结果太大"},
        Failure{"HoleTooLarge",
                {"36", 3, "600", "45", "35", "1e400"},
                ErrorNumber::Overflow,
                "数字太大"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ComputeSpokeLength, LacingAtTheSixteenBitLimitStillComputes) {
  EXPECT_TRUE(std::isfinite(calc::ComputeSpokeLength(wheel("36", 91))));
  EXPECT_TRUE(std::isfinite(calc::ComputeSpokeLength(wheel("36", -91))));
}

// The whole wheel: each side is the single-flange length of its inputs.

using calc::Side;
using calc::WheelInputs;

WheelInputs rearWheel() { return {"32", "600", "2.6", {{{"45", "35", "3X"}, {"45", "18", "3X"}}}}; }

TEST(ComputeWheel, EachSideIsTheWindowsLengthForItsInputsToTheBit) {
  for (const std::string_view leftLacing : runtime::kLacings) {
    for (const std::string_view rightLacing : runtime::kLacings) {
      WheelInputs inputs = rearWheel();
      inputs.sides[0].lacing = leftLacing;
      inputs.sides[1].lacing = rightLacing;
      const calc::WheelResult wheel = calc::ComputeWheel(inputs);
      for (const Side side : calc::kSides) {
        const calc::FlangeInputs& flange = inputs.sides[static_cast<std::size_t>(side)];
        const double single = calc::ComputeSpokeLength(
            {inputs.spokeCount, runtime::typedCrossings(flange.lacing), inputs.effectiveRimDiameter,
             flange.flangeDiameter, flange.centreOffset, inputs.spokeHoleDiameter});
        EXPECT_EQ(std::memcmp(&wheel[side].length, &single, sizeof single), 0)
            << leftLacing << "/" << rightLacing;
      }
    }
  }
}

struct WorkedWheel {
  const char* name;
  WheelInputs inputs;
  calc::WheelTexts texts;
};

void PrintTo(const WorkedWheel& c, std::ostream* os) { *os << c.name; }

class WorkedWheelExample : public testing::TestWithParam<WorkedWheel> {};

TEST_P(WorkedWheelExample, ShowsItsTexts) {
  const calc::WheelTexts texts = calc::wheelTexts(calc::ComputeWheel(GetParam().inputs));
  const calc::WheelTexts& expected = GetParam().texts;
  EXPECT_EQ(texts.length, expected.length);
  EXPECT_EQ(texts.orderLength, expected.orderLength);
  EXPECT_EQ(texts.share, expected.share);
  EXPECT_EQ(texts.bracingAngle, expected.bracingAngle);
  EXPECT_EQ(texts.problems, expected.problems);
  if (!texts.problems.empty()) {
    EXPECT_EQ(texts.problemNumber, expected.problemNumber);
  }
}

WheelInputs withStep(WheelInputs inputs, double step) {
  inputs.orderStep = step;
  return inputs;
}
WheelInputs withSide(WheelInputs inputs, Side side, calc::FlangeInputs flange) {
  inputs.sides[static_cast<std::size_t>(side)] = std::move(flange);
  return inputs;
}

// Worked by hand, from the spokes' geometry with full-precision pi: length = √(r²sin²a +
// (R − r cos a)² + offset²) − hole/2, a = 720° × crossings / spokes, bracing angle = atan(offset /
// in-plane part), left share = sin(right angle) / (sin(left angle) + sin(right angle)).
const WheelInputs kFront{"36", "600", "2.6", {{{"45", "35", "3X"}, {"45", "35", "3X"}}}};
INSTANTIATE_TEST_SUITE_P(
    Wheels, WorkedWheelExample,
    testing::Values(
        // The guide's front wheel: 290.2154 both sides, 6.896°, 50 %.
        WorkedWheel{
            "SymmetricFront",
            kFront,
            {{"290.22", "290.22"}, {"290", "290"}, {"50.0%", "50.0%"}, {"6.9°", "6.9°"}, ""}},
        // A road rear wheel, the guide's: 292.9193 and 291.3842, 6.832° and 3.526°, 34.08 %.
        WorkedWheel{
            "RoadRear",
            rearWheel(),
            {{"292.92", "291.38"}, {"292", "290"}, {"34.1%", "65.9%"}, {"6.8°", "3.5°"}, ""}},
        WorkedWheel{
            "RoadRearByTheMillimetre",
            withStep(rearWheel(), 1.0),
            {{"292.92", "291.38"}, {"292", "291"}, {"34.1%", "65.9%"}, {"6.8°", "3.5°"}, ""}},
        WorkedWheel{
            "RoadRearByTheHalf",
            withStep(rearWheel(), 0.5),
            {{"292.92", "291.38"}, {"292.5", "291"}, {"34.1%", "65.9%"}, {"6.8°", "3.5°"}, ""}},
        // A mountain-bike rear wheel, 28 spokes, ERD 540, hole 2.4, left 38 at 33 2X, right 50 at
        // 20 3X: 259.4780 and 265.1099, 7.273° and 4.307°, 37.24 %.
        WorkedWheel{
            "MountainRear",
            {"28", "540", "2.4", {{{"38", "33", "2X"}, {"50", "20", "3x"}}}},
            {{"259.48", "265.11"}, {"258", "264"}, {"37.2%", "62.8%"}, {"7.3°", "4.3°"}, ""}},
        // Radial on one side, typed as the window takes lacings: 24 spokes, ERD 590, hole 2.5,
        // left 40 at 30 radial, right 40 at 20 2X: 275.3815 and 284.9754, 6.226° and 4.007°.
        WorkedWheel{
            "RadialOneSide",
            {"24", "590", "2.5", {{{"40", "30", "直拉"}, {"40", "20", "２"}}}},
            {{"275.38", "284.98"}, {"274", "284"}, {"39.2%", "60.8%"}, {"6.2°", "4.0°"}, ""}},
        WorkedWheel{"UnknownLacingOnOneSide",
                    withSide(kFront, Side::Right, {"45", "35", "5X"}),
                    {{"290.22", ""},
                     {"290", ""},
                     {"", ""},
                     {"6.9°", ""},
                     "右侧：无效的交织编法：“\u20685X\u2069”。请从列表中选择，或输入 直拉、1X、2X、"
                     "3X、4X，或交叉数 0 到 4。",
                     ErrorNumber::InvalidPropertyValue}},
        WorkedWheel{"NoSpokesFailsBothSidesOnce",
                    {"", "600", "2.6", {{{"45", "35", "3X"}, {"45", "35", "3X"}}}},
                    {{"", ""},
                     {"", ""},
                     {"", ""},
                     {"", ""},
                     "两侧：除数为零：钢线数为 0（空白或不是数字时也按 0 计算），无法计算辐条的交叉"
                     "角度。请输入钢线数。",
                     ErrorNumber::DivisionByZero}},
        WorkedWheel{"EachSideItsOwnError",
                    {"36", "600", "2.6", {{{"45", "1e155", "3X"}, {"45", "35", "9"}}}},
                    {{"", ""},
                     {"", ""},
                     {"", ""},
                     {"", ""},
                     "左侧：溢出：计算结果太大，超出了能计算的范围：请检查输入的长度。\n右侧：无效"
                     "的交织编法：“\u20689\u2069”。请从列表中选择，或输入 直拉、1X、2X、3X、4X，"
                     "或交叉数 0 到 4。",
                     ErrorNumber::Overflow}},
        // A flange at the centre pulls nowhere: both lengths, no share.
        WorkedWheel{
            "FlangeAtTheCentre",
            withSide(kFront, Side::Left, {"45", "0", "3X"}),
            {{"288.11", "290.22"},
             {"288", "290"},
             {"", ""},
             {"0.0°", "6.9°"},
             "除数为零：左侧花鼓中心偏移量为 0：这一侧的辐条不向侧面拉，两侧的张力比例无法计"
             "算。请检查中心偏移量。",
             ErrorNumber::DivisionByZero}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ComputeWheel, SharesAlwaysShowOneHundredPercent) {
  WheelInputs inputs = kFront;
  for (int right = 1; right <= 400; ++right) {
    inputs.sides[1].centreOffset = std::to_string(right / 10.0);
    const calc::WheelTexts texts = calc::wheelTexts(calc::ComputeWheel(inputs));
    EXPECT_NEAR(std::stod(texts.share[0]) + std::stod(texts.share[1]), 100.0, 1e-9)
        << inputs.sides[1].centreOffset;
  }
}

}  // namespace
