// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/binding.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <utility>

namespace {

struct Calculation {
  const char* name;
  std::array<const char*, 6> texts;  // the boxes' order; nullptr: no memory for the text
  int error;
  std::string shown;
};

class PageCalculation : public testing::TestWithParam<Calculation> {};

TEST_P(PageCalculation, GivesTheEnginesTextOrMessage) {
  const auto& [name, texts, error, shown] = GetParam();
  EXPECT_EQ(calculate(texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]), error);
  EXPECT_EQ(std::string(shownText()), shown);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PageCalculation,
    testing::Values(
        Calculation{"WorkedExample", {"36", "600", "45", "35", "2.6", "3X"}, 0, "290.22"},
        Calculation{"FullWidth", {"３６", "６００", "４５", "３５", "２．６", "３Ｘ"}, 0, "290.22"},
        Calculation{"TypedLacing", {"36", "600", "45", "35", "2.6", " 3x"}, 0, "290.22"},
        Calculation{"Radial", {"36", "600", "45", "35", "2.6", "直拉"}, 0, "278.4"},
        Calculation{"NoSpokes",
                    {"0", "600", "45", "35", "2.6", "3X"},
                    11,
                    "除数为零：钢线数为 0（空白或不是数字时也按 0 计算），无法计算辐条的交叉角度。"
                    "请输入钢线数。"},
        Calculation{"UnknownLacing",
                    {"36", "600", "45", "35", "2.6", "5X"},
                    380,
                    "无效的交织编法：“\u20685X\u2069”。请从列表中选择，或输入 直拉、1X、2X、3X、"
                    "4X，或交叉数 0 到 4。"},
        Calculation{"NoMemoryForAText",
                    {"36", "600", nullptr, "35", "2.6", "3X"},
                    7,
                    "内存不足：输入的文字太长，无法计算。"}),
    [](const auto& info) { return info.param.name; });

TEST(PageWheel, GivesEveryTextAndTheFirstProblemsNumber) {
  EXPECT_EQ(calculateWheel("32", "600", "2.6", "45", "35", "3X", "45", "18", "3X", 2), 0);
  EXPECT_EQ(std::string(shownText()), "292.92\t291.38\t292.5\t291\t34.1%\t65.9%\t6.8°\t3.5°\t");
  EXPECT_EQ(calculateWheel("36", "600", "2.6", "45", "35", "3X", "45", "35", "5X", 0), 380);
  EXPECT_TRUE(std::string(shownText()).starts_with("290.22\t\t290\t\t\t\t6.9°\t\t右侧："));
  EXPECT_EQ(calculateWheel("36", "600", "2.6", nullptr, "35", "3X", "45", "35", "3X", 0), 7);
}

TEST(PageParts, MergesOrRefusesWithTheEnginesMessage) {
  const std::string empty = emptyParts();
  ASSERT_EQ(mergeParts("", empty.c_str()), 0);
  EXPECT_EQ(std::string(shownText()), empty);
  EXPECT_EQ(mergeParts(empty.c_str(), "{"), 321);
  EXPECT_EQ(mergeParts("[]", empty.c_str()), 321);
}

struct Selection {
  const char* name;
  const char* text;
  int position;  // UTF-16 units, as the page counts
  std::optional<std::pair<int, int>> number;
};

class PageSelection : public testing::TestWithParam<Selection> {};

TEST_P(PageSelection, IsTheNumberInTheUnitsOfThePage) {
  const auto& [name, text, position, number] = GetParam();
  ASSERT_EQ(findNumber(text, position), number.has_value());
  if (number) {
    EXPECT_EQ(std::pair(numberStart(), numberEnd()), *number);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, PageSelection,
                         testing::Values(Selection{"AfterLetters", "ERD600", 4, std::pair(3, 6)},
                                         Selection{"FullWidth", "６００", 1, std::pair(0, 3)},
                                         Selection{"AfterAnEmoji", "\U0001F6B2 290.22", 5,
                                                   std::pair(3, 9)},
                                         Selection{"NoNumber", "abc", 1, std::nullopt},
                                         Selection{"NoText", nullptr, 0, std::nullopt}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
