// How the window's editable lists behave while the user types.
#pragma once

class QComboBox;

/// Makes typing into `combo` deselect its list item (the list index becomes -1) while keeping
/// the typed text, turns off completion, which would silently finish a number being typed, and
/// keeps typed texts out of the list.
void makeTypingDeselect(QComboBox* combo);
