// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The list index of the window's editable lists, as the handlers see it.
#pragma once

class QComboBox;

/// The position of the picked item while the list shows that item's text; -1 once typing has
/// changed it. Undoing the typing brings the item back. (The toolkit's own index stays on the
/// picked item, so that the box's undo history is kept.)
int listIndex(const QComboBox& combo);

/// Lets the mouse wheel change `combo`'s item only while it has the keyboard focus, as on
/// Windows, so that a wheel turned over the window while the pointer passes never changes it.
void turnOnlyWithFocus(QComboBox* combo);

/// Picks the item that a screen reader selects in `combo`'s list while the list is closed, as a
/// click on it would (the toolkit itself only marks it selected there).
void pickWhatIsSelectedFromOutside(QComboBox* combo);
