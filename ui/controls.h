// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What every window of the program does to its controls: names for screen readers, lists that
// take typing and pointers as the main window's do, boxes that keep a pasted text whole.
#pragma once

class QComboBox;
class QLineEdit;
class QWidget;

/// Names each control that a label is the buddy of by the label's text, as a screen reader says
/// it: without the blanks that space it out and the closing colon ("钢 线 数：" is 钢线数).
void nameControlsByTheirLabels(QWidget& form);

/// A list: nothing finishes a number being typed, its editable part has the list's name, a
/// pointer passing over it changes nothing, and a screen reader's selection picks.
void prepareList(QComboBox* combo);

/// A box typed into: keeps a pasted text whole, and a double-click selects the number under it.
void prepareTypedBox(QLineEdit* box);
