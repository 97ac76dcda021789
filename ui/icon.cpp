// The icon keeps its hand-drawn pixels where they are shown as drawn.
#include "ui/icon.h"

QIcon calculatorIcon() {
  QIcon icon(QStringLiteral(":/pictures/calculator.svg"));
  icon.addFile(QStringLiteral(":/pictures/calculator-16.xpm"), QSize(16, 16));
  return icon;
}
