// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The crossing count that the lacing list stands for.
#pragma once

#include <cstdint>

class QComboBox;

/// The list index of the lacing list: its crossing count. For a typed text (list index -1) the
/// item it names, ignoring blanks around it, invisible format characters, letter case and width
/// ("3x", an input method's "３Ｘ" and a pasted "3X" with a zero-width space are 3X), or a bare
/// crossing count ("3"). Any other text raises a runtime::RuntimeError that quotes it with its
/// invisible characters shown, so that a typed lacing is never silently taken for another.
std::int16_t crossingIndex(const QComboBox& lacing);
