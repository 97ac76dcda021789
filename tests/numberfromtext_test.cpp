// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Conversion of typed texts to numbers, and the number under a position that a double-click
// selects.
#include "engine/numberfromtext.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "engine/numberspan.h"
#include "engine/runtimeerror.h"
#include "tests/doublebits.h"

namespace {

struct Case {
  const char* name;
  std::string text;
  double expected;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class Converts : public testing::TestWithParam<Case> {};

TEST_P(Converts, ToTheExactDouble) {
  const double value = runtime::numberFromText(GetParam().text);
  EXPECT_EQ(bitsOf(value), bitsOf(GetParam().expected)) << GetParam().text << " gave " << value;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Converts,
    testing::Values(
        Case{"Integer", "36", 36.0}, Case{"Fraction", "2.6", 2.6}, Case{"Empty", "", 0.0},
        Case{"Letters", "abc", 0.0}, Case{"Hint", "ERD", 0.0},
        Case{"TrailingLetters", "45abc", 45.0}, Case{"InnerBlank", "3 6", 36.0},
        Case{"BlanksEverywhere", " 4 5.5 ", 45.5}, Case{"TabsAndLineFeeds", "\t1\n2\t", 12.0},
        Case{"CarriageReturnStops", "1\r2", 1.0}, Case{"Negative", "-36", -36.0},
        Case{"Plus", "+7", 7.0}, Case{"SignThenBlank", "- 3", -3.0},
        Case{"NegativeZero", "-0", -0.0}, Case{"DoubleSign", "--5", 0.0},
        Case{"LeadingPoint", ".5", 0.5}, Case{"TrailingPoint", "5.", 5.0},
        Case{"PointAlone", ".", 0.0}, Case{"SecondPointStops", "1.2.3", 1.2},
        Case{"CommaStops", "1,5", 1.0}, Case{"Exponent", "1e3", 1000.0},
        Case{"ExponentD", "1D3", 1000.0}, Case{"LowerD", "2d-2", 0.02},
        Case{"SignedExponent", "5E+2", 500.0}, Case{"BlankInExponent", "1 e 3", 1000.0},
        Case{"ExponentWithoutDigits", "7e", 7.0}, Case{"ExponentSignWithoutDigits", "7e+x", 7.0},
        Case{"ExponentOnly", "e5", 0.0}, Case{"Subnormal", "1e-310", 1e-310},
        Case{"Underflow", "1e-400", 0.0}, Case{"UnderflowNegative", "-1e-400", -0.0},
        Case{"HugeNegativeExponent", "1e-99999999999999999999", 0.0},
        Case{"ExponentBeyondSixtyFourBits", "1e-1000506012547350689655504", 0.0},
        Case{"ZeroHugeExponent", "0e99999999999", 0.0},
        Case{"LargestDouble", "1.7976931348623157e308", 1.7976931348623157e308},
        Case{"ManyZerosThenLarge", "0.00001e310", 1e305},
        Case{"LongMantissa", "0.1000000000000000055511151231257827021181583404541015625", 0.1},
        Case{"Hex", "&H1F", 31.0}, Case{"HexLower", "&hff", 255.0},
        Case{"HexSixteenBit", "&HFFFF", -1.0}, Case{"HexThirtyTwoBit", "&H10000", 65536.0},
        Case{"HexLongNegative", "&HFFFFFFFF", -1.0}, Case{"HexMinInt16", "&H8000", -32768.0},
        Case{"Octal", "&O17", 15.0}, Case{"OctalStopsAtEight", "&O178", 15.0},
        Case{"AmpersandAlone", "&", 0.0}, Case{"AmpersandOther", "&X1", 0.0},
        Case{"HexNoDigits", "&H", 0.0}, Case{"HexBlanks", "& H 1 0", 16.0},
        Case{"FullWidthDigits", "３６", 36.0}, Case{"FullWidthFraction", "２．６", 2.6},
        Case{"IdeographicFullStop", "2。6", 2.6}, Case{"FullWidthSigns", "－３６＋", -36.0},
        Case{"FullWidthPlus", "＋７", 7.0}, Case{"MinusSign", "\u2212600", -600.0},
        Case{"IdeographicSpace", "\u3000６００", 600.0}, Case{"NoBreakSpace", "\u00A0600", 600.0},
        Case{"FullWidthExponent", "１ｅ３", 1000.0}, Case{"FullWidthD", "２Ｄ－２", 0.02},
        Case{"FullWidthHex", "＆ｈＦＦ", 255.0}, Case{"FullWidthOctal", "＆Ｏ１７", 15.0},
        Case{"FullWidthCommaStops", "１，５", 1.0}, Case{"MixedWidths", "1２.３4", 12.34},
        Case{"ArabicIndicDigits", "٣٦", 0.0}, Case{"DevanagariDigits", "३६", 0.0},
        Case{"CutFullWidthCharacter", "\xEF\xBC", 0.0}, Case{"FullWidthBeyondAscii", "５｟", 5.0},
        // Pasted from a web page, a chat or a spreadsheet: invisible characters and other spaces.
        Case{"ZeroWidthSpaceInside", "6\u200B00", 600.0},
        Case{"ZeroWidthSpaceInFraction", "2.\u200B6", 2.6},
        Case{"LeftToRightMarkInFront", "\u200E600", 600.0},
        Case{"IsolatesAround", "\u20662.6\u2069", 2.6},
        Case{"ByteOrderMarkInFront", "\uFEFF2.6", 2.6},
        Case{"SoftHyphenInside", "6\u00AD00", 600.0},
        Case{"WordJoinerInExponent", "1e\u20603", 1000.0},
        Case{"TagCharacterInside", "2\U000E0001.6", 2.6},
        Case{"ThinSpaceInside", "6\u200900", 600.0},
        Case{"NarrowNoBreakSpaceInside", "2\u202F.6", 2.6},
        Case{"LineSeparatorInFront", "\u2028600", 600.0},
        Case{"NextLineInside", "6\u008500", 600.0},
        Case{"HalfWidthIdeographicFullStop", "2\uFF616", 2.6},
        Case{"SmallFullStop", "2\uFE526", 2.6}, Case{"SmallHyphenMinus", "\uFE63600", -600.0},
        Case{"FullWidthHyphenMinus", "\uFF0D2.6", -2.6},
        Case{"VisibleCharacterStops", "6\u00B700", 6.0},
        Case{"EncodedSurrogateStops",
             "6\xED\xA0\x8B"
             "00",
             6.0},
        Case{"OverlongSpaceStops",
             "6\xC0\xA0"
             "00",
             6.0}),
    [](const auto& info) { return std::string(info.param.name); });

class Overflows : public testing::TestWithParam<std::string> {};

TEST_P(Overflows, WithTheOverflowError) {
  try {
    runtime::numberFromText(GetParam());
    FAIL() << GetParam() << " converted";
  } catch (const runtime::RuntimeError& error) {
    EXPECT_EQ(error.number(), runtime::ErrorNumber::Overflow);
    EXPECT_EQ(error.message().rfind("溢出：", 0), 0u) << error.message();
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, Overflows,
                         testing::Values("1e309", "-1e309", "1.7976931348623159e308",
                                         "1e99999999999999999999999",
                                         std::string("1").append(400, '0'),
                                         std::string("1").append(400, '0').append("e-10"),
                                         "&H100000000", "&O77777777777"));

struct Span {
  const char* name;
  std::string text;
  std::size_t position;  // a caret position, in bytes
  std::string selected;  // empty where no number stands there
  std::string point = ".";
};

void PrintTo(const Span& c, std::ostream* os) { *os << c.name; }

class NumberUnder : public testing::TestWithParam<Span> {};

TEST_P(NumberUnder, IsWhatTheConversionReads) {
  const std::string& text = GetParam().text;
  const std::optional<runtime::TextSpan> span =
      runtime::numberSpanAt(text, GetParam().position, GetParam().point);
  const std::string selected = span ? text.substr(span->first, span->length) : "";
  EXPECT_EQ(selected, GetParam().selected);
  if (span && GetParam().point == ".") {  // the selection reads as the text from there
    EXPECT_EQ(runtime::numberFromText(selected), runtime::numberFromText(text.substr(span->first)));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberUnder,
    testing::Values(
        Span{"Result", "290.22", 1, "290.22"}, Span{"ResultsFraction", "290.22", 4, "290.22"},
        Span{"CaretBefore", "290.22", 0, "290.22"}, Span{"CaretAfter", "290.22", 6, "290.22"},
        Span{"BarePoint", "295.", 1, "295."}, Span{"PointAlone", ".", 0, ""},
        Span{"Exponent", "-1.5E+3", 2, "-1.5E+3"}, Span{"FullWidth", "２．６", 0, "２．６"},
        Span{"NumberAfterLetters", "ERD600", 4, "600"}, Span{"Word", "ERD", 1, ""},
        Span{"InnerBlank", "3 6", 0, "3 6"}, Span{"InvisibleInside", "6\u200B00", 0, "6\u200B00"},
        Span{"Hex", "&H1F", 2, "&H1F"}, Span{"BlanksAroundLeftOut", "  36  ", 3, "36"},
        Span{"OnABlankBefore", "  36", 0, ""}, Span{"SecondNumber", "1.2.3", 4, ".3"},
        Span{"ExponentWithoutDigits", "7e", 0, "7"}, Span{"SignThenBlank", "- 3", 0, "- 3"},
        Span{"Empty", "", 0, ""}, Span{"TypedComma", "2,6", 0, "2"},
        Span{"ShownComma", "290,22", 4, "290,22", ","},
        Span{"ShownArabicSeparator", "290\u066B22", 4, "290\u066B22", "\u066B"},
        Span{"ShownCommaThenPoint", "1,5.2", 0, "1,5", ","}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberFromText, ReadsAMillionDigits) {
  const std::string digits = "0." + std::string(1'000'000, '0') + "1e1000001";
  EXPECT_EQ(runtime::numberFromText(digits), 1.0);
}

}  // namespace
