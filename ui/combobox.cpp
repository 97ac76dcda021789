// Typed text and picked item stay distinguishable: a picked item has its index, a typed text -1.
#include "ui/combobox.h"

#include <QComboBox>
#include <QLineEdit>

void makeTypingDeselect(QComboBox* combo) {
  combo->setCompleter(nullptr);
  QLineEdit* edit = combo->lineEdit();
  QObject::connect(edit, &QLineEdit::textEdited, combo, [combo, edit](const QString& text) {
    if (combo->currentIndex() == -1) return;
    const int cursor = edit->cursorPosition();
    combo->setCurrentIndex(-1);  // this empties the text, which the user did not ask for
    combo->setEditText(text);
    edit->setCursorPosition(cursor);
  });
}
