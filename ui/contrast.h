// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How well a text colour reads on its background.
#pragma once

#include <initializer_list>

class QColor;

/// The least contrast ratio for text of the window's sizes (WCAG 2, level AA).
inline constexpr double kReadableContrast = 4.5;

/// The WCAG 2 contrast ratio of two colours, from 1 (the same) to 21 (black and white).
double contrastRatio(const QColor& a, const QColor& b);

/// `colour` darkened just enough, its hue kept, to reach kReadableContrast on `background`; the
/// colour itself where it already does. Black is the darkest it gets.
QColor darkenedToRead(const QColor& colour, const QColor& background);

/// The first of `candidates` that reaches kReadableContrast on `background`; where none does, the
/// better of black and white (one of them always reaches it).
QColor readableOn(const QColor& background, std::initializer_list<QColor> candidates);
