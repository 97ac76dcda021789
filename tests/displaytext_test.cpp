// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The ".##" text that the result box shows for a length.
#include "engine/displaytext.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

#include "engine/runtimeerror.h"

namespace {

struct Case {
  const char* name;
  double value;
  const char* expected;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class Shows : public testing::TestWithParam<Case> {};

TEST_P(Shows, ThePatternText) {
  EXPECT_EQ(runtime::displayText(GetParam().value, "."), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, Shows,
    testing::Values(
        Case{"RoundsUp", 290.219, "290.22"}, Case{"DropsTrailingZero", 278.398, "278.4"},
        Case{"Whole", 295.0, "295."}, Case{"BelowOne", 0.5, ".5"}, Case{"Zero", 0.0, "."},
        Case{"NegativeZero", -0.0, "."}, Case{"TieAwayFromZero", 0.125, ".13"},
        Case{"TieOnFifteenDigits", 2.675, "2.68"}, Case{"TieOnFifteenDigitsToo", 1.005, "1.01"},
        Case{"NegativeTie", -0.125, "-.13"}, Case{"Negative", -5.0, "-5."},
        Case{"NegativeRoundingToZero", -0.001, "-."}, Case{"SmallFraction", 0.05, ".05"},
        Case{"HalfCent", 0.005, ".01"}, Case{"BelowHalfCent", 0.00499, "."},
        Case{"Tiny", 1e-300, "."}, Case{"CarryIntoInteger", 9.999, "10."},
        Case{"CarryIntoNewDigit", 99.996, "100."},
        Case{"FifteenDigitsOnly", 123456789012.345678, "123456789012.35"},
        Case{"LargeNoExponent", 1e20, "100000000000000000000."},
        Case{"BeyondFifteenDigitsAreZeros", 1234567890123456789.0, "1234567890123460000."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DisplayText, PrintsEveryIntegerDigitOfTheLargestDouble) {
  EXPECT_EQ(runtime::displayText(std::numeric_limits<double>::max(), "."),
            "179769313486232" + std::string(294, '0') + ".");
}

TEST(DisplayText, UsesTheGivenSeparator) {
  EXPECT_EQ(runtime::displayText(290.215, ","), "290,22");
  EXPECT_EQ(runtime::displayText(0.0, "٫"), "٫");
}

TEST(DisplayText, RefusesValuesThatAreNotFinite) {
  for (const double value :
       {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_THROW(runtime::displayText(value, "."), runtime::RuntimeError) << value;
  }
}

}  // namespace
