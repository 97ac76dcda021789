// How the window's editable lists behave while the user types.
#pragma once

class QComboBox;

/// Makes typing into `combo` deselect its list item (the list index becomes -1) while keeping
/// the typed text, and turns off completion, which would silently finish a number being typed.
/// (The window description keeps typed texts out of the lists.)
void makeTypingDeselect(QComboBox* combo);
