// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's fonts: "宋体" and the Chinese of the user-interface font.
#pragma once

/// Registers the fonts the program carries (subsets of Simplified Chinese faces with the glyphs
/// of every text the program draws: the window's, its messages, the toolkit's Chinese texts it
/// shows, full-width input) and resolves the window's fonts through them: "宋体" as SimSun,
/// NSimSun, the carried Song-style face, then the system's; the user-interface font's Chinese as
/// Microsoft YaHei, the carried sans-serif face, then the system's Simplified Chinese faces. A
/// character the carried faces lack (typed text) comes from the system's fonts. Once per
/// process; needs the application object.
void prepareWindowFonts();
