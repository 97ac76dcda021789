// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Typed text and picked item stay distinguishable: a picked item has its index, a typed text -1.
#include "ui/combobox.h"

#include <QComboBox>

int listIndex(const QComboBox& combo) {
  const int picked = combo.currentIndex();
  return picked != -1 && combo.currentText() == combo.itemText(picked) ? picked : -1;
}
