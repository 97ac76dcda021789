// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The characters the conversion passes over, against the toolkit's own Unicode categories.
#include <gtest/gtest.h>

#include <QChar>
#include <string>

#include "engine/utf8.h"
#include "engine/widthfolding.h"

namespace {

// Encoded here: the toolkit's own conversion would drop U+FEFF as a byte order mark.
std::string utf8(char32_t c) {
  std::string text;
  runtime::utf8::append(text, c);
  return text;
}

// Every code point: invisible exactly when a format character (Cf), a blank exactly when a space,
// line or paragraph separator or NEL. Characters newer than the toolkit's Unicode are unassigned
// to it and not compared.
TEST(UnicodeSets, AgreeWithTheToolkitsCategories) {
  int compared = 0;
  for (char32_t c = 0x80; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const QChar::Category category = QChar::category(c);
    const bool invisible = runtime::isInvisible(c);
    const runtime::FoldedCharacter folded = runtime::foldedAt(utf8(c), 0);
    const bool blank = !folded.invisible && folded.ascii == ' ';
    if (category == QChar::Other_NotAssigned && (invisible || blank)) continue;
    ++compared;
    EXPECT_EQ(invisible, category == QChar::Other_Format) << std::hex << "U+" << unsigned(c);
    EXPECT_EQ(folded.invisible, invisible) << std::hex << "U+" << unsigned(c);
    const bool separator = category == QChar::Separator_Space ||
                           category == QChar::Separator_Line ||
                           category == QChar::Separator_Paragraph || c == 0x85;
    EXPECT_EQ(blank, separator) << std::hex << "U+" << unsigned(c);
  }
  EXPECT_GT(compared, 1'000'000);
}

}  // namespace
