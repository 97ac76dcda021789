// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolkit's double-click selects a word, and a word ends at "." and "-": "290" of "290.22".
#include "ui/numberselection.h"

#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <optional>
#include <utility>

#include "engine/numberspan.h"

namespace {

// The number of `text` around the caret position `position`, in UTF-16 positions of `text`.
std::optional<std::pair<qsizetype, qsizetype>> numberAround(const QString& text, qsizetype position,
                                                            const QString& point) {
  const QByteArray utf8 = text.toUtf8();
  const QByteArray point8 = point.toUtf8();
  const auto bytesBefore =
      static_cast<std::size_t>(QStringView(text).left(position).toUtf8().size());
  const std::optional<runtime::TextSpan> span =
      runtime::numberSpanAt(std::string_view(utf8.data(), utf8.size()), bytesBefore,
                            std::string_view(point8.data(), point8.size()));
  if (!span) return std::nullopt;
  const auto first = static_cast<qsizetype>(span->first);
  const auto length = static_cast<qsizetype>(span->length);
  const qsizetype start = QString::fromUtf8(utf8.left(first)).size();
  return std::pair{start, QString::fromUtf8(utf8.mid(first, length)).size()};
}

class NumberSelector : public QObject {
 public:
  NumberSelector(QLineEdit* box, DecimalPoint point) : QObject(box), point_(point) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonDblClick) return false;
    const auto* click = static_cast<QMouseEvent*>(event);
    if (click->button() != Qt::LeftButton) return false;
    auto* box = static_cast<QLineEdit*>(watched);
    const QString point =
        point_ == DecimalPoint::Shown ? box->locale().decimalPoint() : QStringLiteral(".");
    const auto number =
        numberAround(box->text(), box->cursorPositionAt(click->position().toPoint()), point);
    if (!number) return false;  // a word: the toolkit selects it
    box->setSelection(number->first, number->second);
    return true;
  }

 private:
  DecimalPoint point_;
};

}  // namespace

void selectNumberOnDoubleClick(QLineEdit* box, DecimalPoint point) {
  box->installEventFilter(new NumberSelector(box, point));
}
