// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Boxes that start with a hint ("ERD", "d", "S") let what is typed or pasted replace it.
#pragma once

class QLineEdit;

/// While `box` holds exactly the text it was built with, it selects that text whole whenever it
/// gets the focus, by mouse as by keyboard, and whatever is inserted into it by any means (typing
/// after the hint, a middle-click paste, a drop, a screen reader) replaces the hint, so that no
/// hint is left before or after a number. The hint stays real text; once edited, the box behaves as
/// any box.
void selectHintOnFocus(QLineEdit* box);
