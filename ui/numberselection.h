// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A double-click selects a whole number, so that copying the result copies the result.
#pragma once

class QLineEdit;

/// How the numbers in a box write their decimal point.
enum class DecimalPoint {
  Typed,  ///< "." whatever the locale, as the conversion reads typed numbers
  Shown,  ///< the box's locale's separator, as a result is shown ("290,22" in German)
};

/// A double-click on a number in `box` ("290.22", "-1.5E+3", an input method's "２．６", "3 6")
/// selects all of it, the span the conversion reads the number from (runtime::numberSpanAt());
/// elsewhere it selects the word as usual.
void selectNumberOnDoubleClick(QLineEdit* box, DecimalPoint point = DecimalPoint::Typed);
