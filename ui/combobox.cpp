// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Typed text and picked item stay distinguishable: a picked item has its index, a typed text -1.
#include "ui/combobox.h"

#include <QAbstractItemView>
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

void pickWhatIsSelectedFromOutside(QComboBox* combo) {
  QItemSelectionModel* selection = combo->view()->selectionModel();
  QObject::connect(selection, &QItemSelectionModel::selectionChanged, combo,
                   [combo, selection](const QItemSelection& selected) {
                     // The list itself moves its current item with what it selects, as it opens
                     // and under the user's keys and pointer; a screen reader selects alone.
                     if (combo->view()->isVisible() || selected.isEmpty()) return;
                     const QModelIndex item = selected.indexes().front();
                     if (item == selection->currentIndex()) return;
                     selection->setCurrentIndex(item, QItemSelectionModel::NoUpdate);
                     combo->setCurrentIndex(item.row());
                   });
}
