// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sine and cosine: within one unit in the last place of the true values, from tiny arguments to
// the largest double, in each quarter turn at small and at large arguments (the true values and
// the quarters from scripts/trigonometry-references, 500-digit arithmetic).
#include "engine/trigonometry.h"
#include "tests/doublebits.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

namespace {

struct Case {
  const char* name;
  double radians;
  double sine;
  double cosine;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

// How many doubles lie between a and b, of either sign: the bit patterns laid on one line that
// runs from the negative doubles through both zeros to the positive ones.
std::uint64_t ulpsApart(double a, double b) {
  const auto onTheLine = [](double value) {
    const auto bits = bitsOf(value);
    constexpr std::uint64_t kSign = std::uint64_t{1} << 63;
    return bits & kSign ? kSign - (bits & ~kSign) : kSign + bits;
  };
  const std::uint64_t x = onTheLine(a);
  const std::uint64_t y = onTheLine(b);
  return x > y ? x - y : y - x;
}

class Turns : public testing::TestWithParam<Case> {};

TEST_P(Turns, WithinOneUlpOfTheTrueValues) {
  const runtime::SineAndCosine turn = runtime::sineAndCosine(GetParam().radians);
  EXPECT_LE(ulpsApart(turn.sine, GetParam().sine), 1) << turn.sine;
  EXPECT_LE(ulpsApart(turn.cosine, GetParam().cosine), 1) << turn.cosine;
  const runtime::SineAndCosine mirrored = runtime::sineAndCosine(-GetParam().radians);
  EXPECT_EQ(mirrored.sine, -turn.sine);
  EXPECT_EQ(mirrored.cosine, turn.cosine);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, Turns,
    testing::Values(
        // Reduced to quarter turn 0:
        Case{"Half", 0x1.0000000000000p-1, 0x1.eaee8744b05f0p-2, 0x1.c1528065b7d50p-1},
        Case{"QuarterTurnBoundary", 0x1.921fb54442d18p-1, 0x1.6a09e667f3bccp-1,
             0x1.6a09e667f3bcdp-1},
        Case{"Hundred", 0x1.9000000000000p+6, -0x1.03425b78c4db8p-1, 0x1.b981dbf665fdfp-1},
        Case{"TwoToTheThousand", 0x1.3be76c8b43958p+1000, 0x1.7b7ba74eb952fp-2,
             0x1.db8b47ef271d4p-1},
        Case{"Tiny", 0x1.56e1fc2f8f359p-997, 0x1.56e1fc2f8f359p-997, 0x1.0000000000000p+0},
        // Reduced to quarter turn 1:
        Case{"SixtyDegrees", 0x1.0c1523361e586p+0, 0x1.bb67ae38cbecap-1, 0x1.00000084e2facp-1},
        Case{"NinetyDegrees", 0x1.921fb4d12d84ap+0, 0x1.ffffffffffffdp-1, 0x1.cc553391a6262p-26},
        Case{"Two", 0x1.0000000000000p+1, 0x1.d18f6ead1b446p-1, -0x1.aa22657537205p-2},
        Case{"TenToTheFifteen", 0x1.c6bf526340000p+49, 0x1.b76f88136cebap-1, -0x1.06c154609d33fp-1},
        // Reduced to quarter turn 2:
        Case{"Negative", -0x1.8000000000000p+1, -0x1.210386db6d55bp-3, -0x1.fae04be85e5d2p-1},
        Case{"HundredThousand", 0x1.86a0000000000p+16, 0x1.24daa9c527e96p-5, -0x1.ffac3841b3da7p-1},
        Case{"LargestDouble", 0x1.fffffffffffffp+1023, 0x1.452fc98b34e97p-8, -0x1.fffe62ecfab75p-1},
        Case{"TenToTheThirty", 0x1.93e5939a08ceap+99, 0x1.31c608f107767p-7, -0x1.fffa4b11f1b45p-1},
        // Reduced to quarter turn 3:
        Case{"TenToTheTwentyTwo", 0x1.0f0cf064dd592p+73, -0x1.b453ab76bf397p-1,
             0x1.0be2cef01c8f4p-1},
        Case{"Five", 0x1.4000000000000p+2, -0x1.eaf81f5e09933p-1, 0x1.22785706b4ad9p-2},
        Case{"TenToTheThreeHundred", 0x1.7e43c8800759cp+996, -0x1.a2c16b010e385p-1,
             -0x1.2699022adc4c1p-1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
