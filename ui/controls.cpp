// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Controls prepared alike in every window.
#include "ui/controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <limits>

#include "ui/combobox.h"
#include "ui/numberselection.h"

namespace {

QString spokenName(QString label) {
  label.removeIf([](QChar c) { return c.isSpace(); });
  if (label.endsWith(u'：')) label.chop(1);
  return label;
}

}  // namespace

void nameControlsByTheirLabels(QWidget& form) {
  for (const QLabel* label : form.findChildren<QLabel*>())
    if (QWidget* control = label->buddy()) control->setAccessibleName(spokenName(label->text()));
}

void prepareList(QComboBox* combo) {
  if (combo->isEditable()) {
    combo->setCompleter(nullptr);  // it would silently finish a number being typed
    // The editable part, where a screen reader reads and edits the text, is named as the list.
    combo->lineEdit()->setAccessibleName(combo->accessibleName());
  }
  turnOnlyWithFocus(combo);  // a pointer passing over the window changes no input
  pickWhatIsSelectedFromOutside(combo);
}

void prepareTypedBox(QLineEdit* box) {
  // A pasted text is kept whole: cut at the toolkit's default length, it would be read as
  // another number.
  box->setMaxLength(std::numeric_limits<int>::max());
  selectNumberOnDoubleClick(box);
}
