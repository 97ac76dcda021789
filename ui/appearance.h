// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fonts and colours of a window's controls, the same rules in every window.
#pragma once

#include <QList>

class QPalette;
class QWidget;

/// A window's controls by what they are to the user.
struct Looks {
  QList<QWidget*> inputs;   ///< boxes and lists typed or picked into
  QList<QWidget*> results;  ///< read-only boxes that show what was computed
  QList<QWidget*> labels;
};

/// Sets the boxes' font and the colours: once, after the window description is set up.
void applyAppearance(const Looks& looks, const QPalette& palette);

/// Sets the colours for `palette`: again whenever the window's palette changes.
void applyColours(const Looks& looks, const QPalette& palette);
