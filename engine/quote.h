// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the user typed, as a message quotes it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace runtime {

/// Where the grapheme cluster (a character as the user sees it: a letter with its accents, an
/// emoji with its skin tone, a flag, a Hangul syllable) that starts at byte `pos` of UTF-8 `text`
/// ends, by the rules of Unicode's text segmentation (UAX #29).
std::size_t graphemeEnd(std::string_view text, std::size_t pos);

/// `typed` (UTF-8) as a message quotes it: format characters written as their code points
/// ("<U+200B>"), so that the quote never looks like a text that would have been taken; control
/// characters left out; a malformed byte as U+FFFD; cut after `longest` whole characters as the
/// user sees them (never inside an emoji or before its accent), "…" marking the cut; and between
/// U+2068 and U+2069, so that nothing in it can reorder the message around it.
std::string quote(std::string_view typed, std::size_t longest);

}  // namespace runtime
