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
