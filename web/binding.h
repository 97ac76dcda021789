// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page calls: the engine behind a few C functions that take and give UTF-8 texts, so
// that the page's script carries texts only and every rule stays in the engine.
#pragma once

extern "C" {

/// Calculates the spoke length of the boxes' texts (UTF-8), in the boxes' order: 0 when it
/// gives a length, and shownText() is its display text; otherwise the error number, and
/// shownText() is the error's message. A text the page found no memory for comes as none, and
/// is reported as too long.
int calculate(const char* spokeCount, const char* rimDiameter, const char* flangeDiameter,
              const char* centreOffset, const char* holeDiameter, const char* lacing);

/// The last calculation's display text or message.
const char* shownText();

/// Finds the number around UTF-16 position `position` of `text`, as a double-click selects it;
/// false where none stands there. numberStart() and numberEnd() then give it in UTF-16 positions
/// (the page's).
bool findNumber(const char* text, int position);
int numberStart();
int numberEnd();

}  // extern "C"
