// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fonts and colours of the window's controls.
#pragma once

class QPalette;

namespace Ui {
class Form1;
}

/// Gives the controls of a freshly built window their fonts, and their colours from `palette`.
void applyAppearance(Ui::Form1& ui, const QPalette& palette);

/// Gives the controls their colours from `palette` (the window's, which follows the desktop's
/// theme): each specified colour where it reads on its background, else one that does.
void applyColours(Ui::Form1& ui, const QPalette& palette);
