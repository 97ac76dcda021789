// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Typed lacings: the lacing a text names, or the error that quotes it, cut between characters.
#include "engine/lacing.h"

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/quote.h"
#include "engine/runtimeerror.h"
#include "engine/utf8.h"

namespace {

struct Named {
  const char* name;
  std::string typed;
  int crossings;
};

void PrintTo(const Named& c, std::ostream* os) { *os << c.name; }

class TypedLacing : public testing::TestWithParam<Named> {};

TEST_P(TypedLacing, IsTheLacingItNames) {
  EXPECT_EQ(runtime::typedCrossings(GetParam().typed), GetParam().crossings);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TypedLacing,
    testing::Values(Named{"Item", "3X", 3}, Named{"LowerCaseWithBlanks", "  3x ", 3},
                    Named{"BareCount", "3", 3}, Named{"Radial", "直拉", 0},
                    Named{"RadialAsCount", "0", 0}, Named{"OneCross", "1x", 1},
                    Named{"FourCrosses", "4X", 4}, Named{"FullWidth", "３Ｘ", 3},
                    Named{"FullWidthLowerCase", "３ｘ", 3}, Named{"FullWidthCount", "３", 3},
                    Named{"PastedWithAZeroWidthSpace", "3X\u200B", 3},
                    Named{"PastedBetweenIsolates", "\u20663x\u2069", 3},
                    Named{"ThinSpacesAround", "\u20093X\u202F", 3},
                    Named{"BlankBehindAnInvisible", "\u200B 2X", 2},
                    Named{"IdeographicSpaces", "\u3000直拉\u3000", 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct Unknown {
  const char* name;
  std::string typed;
  std::string quoted;  // as the message shows it, between isolates
};

void PrintTo(const Unknown& c, std::ostream* os) { *os << c.name; }

class UnknownLacing : public testing::TestWithParam<Unknown> {};

TEST_P(UnknownLacing, IsReportedQuotingIt) {
  try {
    runtime::typedCrossings(GetParam().typed);
    FAIL() << "taken for a lacing";
  } catch (const runtime::RuntimeError& error) {
    EXPECT_EQ(error.number(), runtime::ErrorNumber::InvalidPropertyValue);
    EXPECT_EQ(error.message(), "无效的交织编法：“\u2068" + GetParam().quoted +
                                   "\u2069”。请从列表中选择，或输入 直拉、1X、2X、3X、4X，"
                                   "或交叉数 0 到 4。");
  }
}

const std::string kEmoji = "\U0001F600";
const std::string kNineteen(19, 'x');

INSTANTIATE_TEST_SUITE_P(
    Texts, UnknownLacing,
    testing::Values(Unknown{"FiveCrosses", "5X", "5X"}, Unknown{"Letters", "abc", "abc"},
                    Unknown{"Empty", "", ""}, Unknown{"BlanksAlone", " \u3000 ", ""},
                    Unknown{"CountWithSign", "+3", "+3"},
                    Unknown{"BlanksAroundKeptOut", " 5X ", "5X"},
                    Unknown{"Long", std::string(300, 'x'), std::string(20, 'x') + "…"},
                    Unknown{"RightToLeftOverride", "\u202Eabc", "<U+202E>abc"},
                    Unknown{"InvisibleInside", "5\u200BX", "5<U+200B>X"},
                    Unknown{"InvisibleOutsideTheBasicPlane", "5X\U000E0001", "5X<U+E0001>"},
                    Unknown{"EmojiAtTheCut", kNineteen + kEmoji + "yyyyy",
                            kNineteen + kEmoji + "…"},
                    Unknown{"SkinToneAtTheCut", kNineteen + "\U0001F44B\U0001F3FD" + "yy",
                            kNineteen + "\U0001F44B\U0001F3FD…"},
                    Unknown{"AccentAtTheCut", kNineteen + "e\u0301zz", kNineteen + "e\u0301…"},
                    Unknown{"FlagAtTheCut", kNineteen + "\U0001F1E8\U0001F1F3\U0001F1E8\U0001F1F3",
                            kNineteen + "\U0001F1E8\U0001F1F3…"},
                    Unknown{"HangulJamoAtTheCut", kNineteen + "\u1100\u1161\u11A8" + "zz",
                            kNineteen + "\u1100\u1161\u11A8…"},
                    Unknown{"ControlCharacters", "a\u0007b\u001b中", "ab中"},
                    Unknown{"MalformedBytes", "5\xC0\xA0X\xFF", "5\uFFFD\uFFFDX\uFFFD"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Lacings, AreNamedInTheUnknownLacingsMessage) {
  const std::string_view text = runtime::messages::kUnknownLacing.text;
  for (const std::string_view lacing : runtime::kLacings)
    EXPECT_NE(text.find(lacing), std::string_view::npos) << lacing;
}

// Unicode's own conformance cases for grapheme clusters (GraphemeBreakTest.txt, "÷ 0020 × 0308 ÷"),
// where the machine has the character database: a quote is cut where a character ends.
TEST(Quote, CutsWhereUnicodeEndsCharacters) {
  std::ifstream cases(UNICODE_DATA_DIR "/auxiliary/GraphemeBreakTest.txt");
  if (!cases) GTEST_SKIP() << "no Unicode character database here";
  int compared = 0;
  for (std::string line; std::getline(cases, line);) {
    std::istringstream fields(line.substr(0, line.find('#')));
    std::string text;
    std::vector<std::size_t> ends;
    for (std::string field; fields >> field;) {
      if (field == "÷") {
        if (!text.empty()) ends.push_back(text.size());
      } else if (field != "×") {
        runtime::utf8::append(text, static_cast<char32_t>(std::stoul(field, nullptr, 16)));
      }
    }
    if (text.empty()) continue;
    std::vector<std::size_t> found;
    for (std::size_t pos = 0; pos < text.size(); pos = runtime::graphemeEnd(text, pos))
      found.push_back(runtime::graphemeEnd(text, pos));
    EXPECT_EQ(found, ends) << line;
    ++compared;
  }
  EXPECT_GT(compared, 500);
}

}  // namespace
