// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolkit's double-click selects a word, and a word ends at "." and "-": "290" of "290.22".
#include "ui/numberselection.h"

#include <QLineEdit>
#include <QMouseEvent>

#include "engine/numberspan.h"

namespace {

// The number of `text` around the caret position `position`, in UTF-16 positions of `text`.
std::optional<std::pair<qsizetype, qsizetype>> numberAround(const QString& text,
                                                            qsizetype position) {
  const QByteArray utf8 = text.toUtf8();
  const auto bytesBefore =
      static_cast<std::size_t>(QStringView(text).left(position).toUtf8().size());
  const std::optional<runtime::TextSpan> span =
      runtime::numberSpanAt(std::string_view(utf8.data(), utf8.size()), bytesBefore);
  if (!span) return std::nullopt;
  const auto first = static_cast<qsizetype>(span->first);
  const auto length = static_cast<qsizetype>(span->length);
  const qsizetype start = QString::fromUtf8(utf8.left(first)).size();
  return std::pair{start, QString::fromUtf8(utf8.mid(first, length)).size()};
}

class NumberSelector : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonDblClick) return false;
    const auto* click = static_cast<QMouseEvent*>(event);
    if (click->button() != Qt::LeftButton) return false;
    auto* box = static_cast<QLineEdit*>(watched);
    const auto number =
        numberAround(box->text(), box->cursorPositionAt(click->position().toPoint()));
    if (!number) return false;  // a word: the toolkit selects it
    box->setSelection(number->first, number->second);
    return true;
  }
};

}  // namespace

void selectNumberOnDoubleClick(QLineEdit* box) { box->installEventFilter(new NumberSelector(box)); }
