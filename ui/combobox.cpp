// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Typed text and picked item stay distinguishable: a picked item has its index, a typed text -1.
#include "ui/combobox.h"

#include <QComboBox>
#include <QEvent>

int listIndex(const QComboBox& combo) {
  const int picked = combo.currentIndex();
  return picked != -1 && combo.currentText() == combo.itemText(picked) ? picked : -1;
}

namespace {

class WheelGate : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    return event->type() == QEvent::Wheel && !static_cast<QWidget*>(watched)->hasFocus();
  }
};

}  // namespace

void turnOnlyWithFocus(QComboBox* combo) { combo->installEventFilter(new WheelGate(combo)); }
