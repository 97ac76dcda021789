// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Text-to-number conversion of the texts the user types into the window.
#pragma once

#include <string_view>

namespace runtime {

/// The value of `text` as a double.
///
/// The text is UTF-8. Characters that stand in for ASCII are read as it (foldWidth(): an input
/// method's full-width "３６" and "２。６" are 36 and 2.6); digits of other scripts are no digits.
/// Blanks (every space and line separator), tabs, line feeds and invisible format characters
/// (U+200B, U+200E, U+FEFF…) are ignored wherever they stand ("3 6" is 36). Then come an
/// optional sign, digits, an optional "." with fraction digits and an optional exponent after E or
/// D (either case) with an optional sign; "." is the decimal separator whatever the locale.
/// "&H" or "&O" (either case) instead reads a hexadecimal or octal integer: a value up to FFFF
/// is a 16-bit two's-complement integer ("&HFFFF" is -1), a value up to FFFFFFFF a 32-bit one
/// ("&HFFFFFFFF" is -1, "&H10000" is 65536), and a larger one raises the overflow error.
/// Reading stops at the first other character; a text that does not begin with a number is 0.
/// The result is the correctly rounded double of the number read. A number beyond the double
/// range raises the overflow error; one too small for it is 0. Never an infinity or a NaN.
double numberFromText(std::string_view text);

}  // namespace runtime
