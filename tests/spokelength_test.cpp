// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The spoke length: worked examples and the error each bad input raises.
#include "engine/spokelength.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "engine/displaytext.h"
#include "engine/runtimeerror.h"
#include "engine/trigonometry.h"

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

}  // namespace
