// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Building the window, and its three event handlers: Load and the clicks of 计算 and 清空.
#include "ui/form1.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>

#include "engine/displaytext.h"
#include "engine/lacing.h"
#include "engine/spokelength.h"
#include "host/application.h"
#include "host/errorreport.h"

#include "ui/accessibility.h"
#include "ui/appearance.h"
#include "ui/combobox.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/hint.h"
#include "ui/icon.h"
#include "ui/numberselection.h"
#include "ui_form1.h"

namespace {

constexpr int kCaptionGap = 25;
constexpr int kThreeCrossings = 3;

// A fixed-size window: it can be minimised and closed, not maximised.
constexpr Qt::WindowFlags kWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// The crossing count of the lacing list: the item picked, or the lacing typed into it.
std::int16_t crossingsOf(const QComboBox& lacing) {
  const int picked = listIndex(lacing);
  if (picked != -1) return static_cast<std::int16_t>(picked);
  return runtime::typedCrossings(lacing.currentText().toStdString());
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent, kWindowFlags), ui_(std::make_unique<Ui::Form1>()) {
  prepareWindowFonts();             // before the first text is laid out
  describeWindowToScreenReaders();  // before a control is described to one
  ui_->setupUi(this);
  setWindowTitle(host::programTitle() + QString(kCaptionGap, u' ') +
                 QCoreApplication::applicationVersion());
  setWindowIcon(calculatorIcon());
  applyAppearance(looks(), palette());
  nameControlsByTheirLabels(*this);
  for (QComboBox* combo : {ui_->Co1, ui_->Co2}) prepareList(combo);
  // A box that the window description gives a text holds a hint ("ERD", "d", "S"); the page reads
  // its hints from the description by the same rule.
  for (QLineEdit* box : findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
    if (!box->text().isEmpty() && !box->isReadOnly()) selectHintOnFocus(box);
  const std::initializer_list<QLineEdit*> inputs{
      ui_->Co1->lineEdit(), ui_->Te1, ui_->Te2, ui_->Te3, ui_->Te4, ui_->Co2->lineEdit()};
  for (QLineEdit* box : inputs) {
    prepareTypedBox(box);
    // The result box shows the length of the inputs on screen or nothing: a length left there
    // after an input changed would be read as the new one's. A failed calculation finds it empty
    // too, for the inputs that fail have changed since any length was shown.
    connect(box, &QLineEdit::textChanged, ui_->Te5, &QLineEdit::clear);
  }
  selectNumberOnDoubleClick(ui_->Te5, DecimalPoint::Shown);
  connect(ui_->Command1, &QPushButton::clicked, this,
          [this] { host::runHandler(*this, [this] { CalculateClick(); }); });
  connect(ui_->Command2, &QPushButton::clicked, this,
          [this] { host::runHandler(*this, [this] { ClearClick(); }); });
  FormLoad();
}

Form1::~Form1() = default;

FormState Form1::formState() const {
  return {ui_->Co1->currentText(),
          ui_->Co2->currentText(),
          static_cast<std::int16_t>(listIndex(*ui_->Co2)),
          ui_->Te1->text(),
          ui_->Te2->text(),
          ui_->Te3->text(),
          ui_->Te4->text(),
          ui_->Te5->text()};
}

void Form1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) applyColours(looks(), palette());  // a theme switch
  QWidget::changeEvent(event);
}

Looks Form1::looks() const {
  return {
      {ui_->Te1, ui_->Te2, ui_->Te3, ui_->Te4, ui_->Co1, ui_->Co2},
      {ui_->Te5},
      {ui_->Label1, ui_->Label2, ui_->Label3, ui_->Label4, ui_->Label5, ui_->Label6, ui_->Label7}};
}

void Form1::FormLoad() { ui_->Co2->setCurrentIndex(kThreeCrossings); }

void Form1::CalculateClick() {
  const calc::SpokeInputs inputs{
      ui_->Co1->currentText().toStdString(), crossingsOf(*ui_->Co2),
      ui_->Te1->text().toStdString(),        ui_->Te2->text().toStdString(),
      ui_->Te3->text().toStdString(),        ui_->Te4->text().toStdString()};
  const double length = calc::ComputeSpokeLength(inputs);
  const std::string text = runtime::displayText(length, locale().decimalPoint().toStdString());
  ui_->Te5->setText(QString::fromStdString(text));
}

void Form1::ClearClick() {
  for (QLineEdit* box : {ui_->Te1, ui_->Te2, ui_->Te3, ui_->Te4, ui_->Te5}) box->clear();
}
