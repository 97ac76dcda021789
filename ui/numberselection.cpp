// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolkit's double-click selects a word, and a word ends at "." and "-": "290" of "290.22".
#include "ui/numberselection.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>

#include "runtime/widthfolding.h"

namespace {

// `text` with each character that stands in for an ASCII one folded to it, one for one, and every
// other character made a space, so that positions stay those of `text`.
QString foldedOneForOne(const QString& text) {
  QString folded(text.size(), u' ');
  for (qsizetype i = 0; i < text.size(); ++i) {
    const std::string character = QString(text[i]).toStdString();
    const runtime::FoldedCharacter c = runtime::foldedAt(character, 0);
    if (!c.invisible && c.length == character.size() && static_cast<unsigned char>(c.ascii) < 0x80)
      folded[i] = QLatin1Char(c.ascii);
  }
  return folded;
}

// The number around `position` in `text`: its start and length; a length of 0 where none is.
std::pair<qsizetype, qsizetype> numberAround(const QString& text, qsizetype position) {
  static const QRegularExpression number(
      QStringLiteral(R"([+-]?(?:\d+(?:\.\d*)?|\.\d+)(?:[eEdD][+-]?\d+)?)"));
  for (const QRegularExpressionMatch& match : number.globalMatch(foldedOneForOne(text)))
    if (match.capturedStart() <= position && position <= match.capturedEnd())
      return {match.capturedStart(), match.capturedLength()};
  return {0, 0};
}

class NumberSelector : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonDblClick) return false;
    const auto* click = static_cast<QMouseEvent*>(event);
    if (click->button() != Qt::LeftButton) return false;
    auto* box = static_cast<QLineEdit*>(watched);
    const auto [start, length] =
        numberAround(box->text(), box->cursorPositionAt(click->position().toPoint()));
    if (length == 0) return false;  // a word: the toolkit selects it
    box->setSelection(start, length);
    return true;
  }
};

}  // namespace

void selectNumberOnDoubleClick(QLineEdit* box) { box->installEventFilter(new NumberSelector(box)); }
