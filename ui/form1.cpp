// Building the window and its Load handler.
#include "ui/form1.h"

#include <QCoreApplication>

#include "ui/appearance.h"
#include "ui/combobox.h"
#include "ui/icon.h"

namespace {

constexpr int kCaptionGap = 25;
constexpr int kThreeCrossings = 3;

// A fixed-size window: it can be minimised and closed, not maximised.
constexpr Qt::WindowFlags kWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent, kWindowFlags) {
  ui_.setupUi(this);
  setWindowTitle(windowTitle() + QString(kCaptionGap, u' ') +
                 QCoreApplication::applicationVersion());
  setWindowIcon(calculatorIcon());
  applyAppearance(ui_);
  for (QComboBox* combo : {ui_.Co1, ui_.Co2}) makeTypingDeselect(combo);
  FormLoad();
}

FormState Form1::formState() const {
  return {ui_.Co1->currentText(),
          ui_.Co2->currentText(),
          static_cast<std::int16_t>(ui_.Co2->currentIndex()),
          ui_.Te1->text(),
          ui_.Te2->text(),
          ui_.Te3->text(),
          ui_.Te4->text(),
          ui_.Te5->text()};
}

void Form1::FormLoad() { ui_.Co2->setCurrentIndex(kThreeCrossings); }
