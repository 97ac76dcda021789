// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A click into a hint would put the caret after it, and typing would extend it ("ERD600"); a
// middle-click paste, a drop or a screen reader inserts where it likes, whatever is selected.
#include "ui/hint.h"

#include <QEvent>
#include <QLineEdit>
#include <optional>

namespace {

// What was inserted into `hint` to make `text`, if that is how `text` came about.
std::optional<QString> insertedInto(const QString& hint, const QString& text) {
  if (text.size() <= hint.size()) return std::nullopt;
  for (qsizetype at = 0; at <= hint.size(); ++at)
    if (text.startsWith(hint.left(at)) && text.endsWith(hint.mid(at)))
      return text.mid(at, text.size() - hint.size());
  return std::nullopt;
}

class HintSelector : public QObject {
 public:
  explicit HintSelector(QLineEdit* box) : QObject(box), hint_(box->text()), shown_(hint_) {
    // Every change, not only the user's edits: a screen reader inserts by setting the whole text.
    connect(box, &QLineEdit::textChanged, this, [this, box](const QString& text) {
      keepInsertedOnly(box, text);
      shown_ = text;
    });
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = static_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::FocusIn && box->text() == hint_)
      // Queued: a mouse press places the caret after the focus arrives. Keys may arrive first, in
      // one batch with the focus: what they typed is no hint to select.
      QMetaObject::invokeMethod(
          box,
          [box, hint = hint_] {
            if (box->text() == hint) box->selectAll();
          },
          Qt::QueuedConnection);
    return false;
  }

 private:
  void keepInsertedOnly(QLineEdit* box, const QString& text) const {
    if (shown_ != hint_ || !insertedInto(hint_, text)) return;
    // Queued: the box is still inside the edit. Whatever else was typed meanwhile is kept with
    // the insertion. Replaced by an edit, not a new text, which would empty the undo history.
    QMetaObject::invokeMethod(
        box,
        [box, hint = hint_] {
          const std::optional<QString> inserted = insertedInto(hint, box->text());
          if (!inserted) return;  // the hint itself was edited meanwhile
          box->selectAll();
          box->insert(*inserted);
        },
        Qt::QueuedConnection);
  }

  const QString hint_;
  QString shown_;
};

}  // namespace

void selectHintOnFocus(QLineEdit* box) { box->installEventFilter(new HintSelector(box)); }
