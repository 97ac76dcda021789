// A typed lacing is taken for the item it names, never for some other lacing.
#include "ui/lacing.h"

#include <QComboBox>

#include "runtime/runtimeerror.h"

namespace {

constexpr qsizetype kLongestQuoted = 20;

[[noreturn]] void raiseUnknownLacing(const QString& typed) {
  const QString quoted =
      typed.size() > kLongestQuoted ? typed.left(kLongestQuoted) + QStringLiteral("…") : typed;
  throw runtime::RuntimeError(
      runtime::ErrorNumber::InvalidPropertyValue,
      QStringLiteral("无效的交织编法：“%1”。请从列表中选择，或输入 直拉、1X、2X、3X、4X，"
                     "或交叉数 0 到 4。")
          .arg(quoted)
          .toStdString());
}

}  // namespace

std::int16_t crossingIndex(const QComboBox& lacing) {
  if (lacing.currentIndex() != -1) return static_cast<std::int16_t>(lacing.currentIndex());
  const QString typed = lacing.currentText().trimmed();
  for (int item = 0; item < lacing.count(); ++item) {
    const bool namesItem = typed.compare(lacing.itemText(item), Qt::CaseInsensitive) == 0 ||
                           typed == QString::number(item);
    if (namesItem) return static_cast<std::int16_t>(item);
  }
  raiseUnknownLacing(typed);
}
