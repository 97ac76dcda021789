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

/// Calculates the whole wheel of the view's texts (UTF-8): the shared boxes, then each side's
/// flange diameter, centre offset and lacing, left first, and the order step's index. shownText()
/// is then every result text in the view's order (each side's length, order length, share and
/// bracing angle, left before right), then the problems, all separated by tabs; the return is the
/// first problem's error number, or 0.
int calculateWheel(const char* spokeCount, const char* rimDiameter, const char* holeDiameter,
                   const char* leftDiameter, const char* leftOffset, const char* leftLacing,
                   const char* rightDiameter, const char* rightOffset, const char* rightLacing,
                   int orderStep);

/// Reads saved parts and adds others to them (both the parts file's text, UTF-8; `saved` empty:
/// none saved): 0, and shownText() is the merged file; or the error number, and shownText() its
/// message, where either is not a parts file.
int mergeParts(const char* saved, const char* added);

/// A parts file with no rim and no hub, for the page to add to.
const char* emptyParts();

/// The name an exported parts file is offered under.
const char* partsFileName();

/// The last call's display text, message or file.
const char* shownText();

/// Finds the number around UTF-16 position `position` of `text`, as a double-click selects it;
/// false where none stands there. numberStart() and numberEnd() then give it in UTF-16 positions
/// (the page's).
bool findNumber(const char* text, int position);
int numberStart();
int numberEnd();

}  // extern "C"
