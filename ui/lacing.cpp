// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A typed lacing is taken for the item it names, never for some other lacing.
#include "ui/lacing.h"

#include <QComboBox>
#include <QTextBoundaryFinder>

#include "runtime/runtimeerror.h"
#include "runtime/widthfolding.h"
#include "ui/combobox.h"

namespace {

constexpr int kLongestQuoted = 20;  // characters as the user sees them

// What the user typed, as a message can quote it: format characters shown as their code points
// ("<U+200B>"), so that the quote never looks like a lacing that would have been taken; without
// control characters; cut after kLongestQuoted whole characters (never inside an emoji or before
// its accent); and isolated so that nothing in it can reorder the message around it.
QString quoted(const QString& typed) {
  QString shown;
  for (const char32_t c : typed.toUcs4()) {
    if (runtime::isInvisible(c))
      shown += QStringLiteral("<U+%1>").arg(quint32(c), 4, 16, QLatin1Char('0')).toUpper();
    else if (QChar::category(c) != QChar::Other_Control)
      shown += QString::fromUcs4(&c, 1);
  }
  QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, shown);
  qsizetype cut = 0;
  for (int i = 0; i < kLongestQuoted && cut != -1; ++i) cut = characters.toNextBoundary();
  if (cut != -1 && cut < shown.size()) shown = shown.left(cut) + QStringLiteral("…");
  return QStringLiteral("\u2068%1\u2069").arg(shown);
}

[[noreturn]] void raiseUnknownLacing(const QString& typed) {
  throw runtime::RuntimeError(
      runtime::ErrorNumber::InvalidPropertyValue,
      QStringLiteral("无效的交织编法：“%1”。请从列表中选择，或输入 直拉、1X、2X、3X、4X，"
                     "或交叉数 0 到 4。")
          .arg(quoted(typed))
          .toStdString());
}

}  // namespace

std::int16_t crossingIndex(const QComboBox& lacing) {
  const int picked = listIndex(lacing);
  if (picked != -1) return static_cast<std::int16_t>(picked);
  const QString typed = lacing.currentText();
  // Read as the number boxes are: an input method's "３Ｘ" names 3X, and a pasted "3X" followed by
  // an invisible zero-width space names it too.
  const QString folded = QString::fromStdString(runtime::foldWidth(typed.toStdString())).trimmed();
  for (int item = 0; item < lacing.count(); ++item) {
    const bool namesItem = folded.compare(lacing.itemText(item), Qt::CaseInsensitive) == 0 ||
                           folded == QString::number(item);
    if (namesItem) return static_cast<std::int16_t>(item);
  }
  raiseUnknownLacing(typed.trimmed());
}
