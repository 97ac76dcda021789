// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Building the whole-wheel window, its click handlers and its build sheet.
#include "ui/wheelform.h"

#include <QCoreApplication>
#include <QDate>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>

#include "engine/runtimeerror.h"
#include "engine/wheel.h"
#include "host/application.h"
#include "host/errorreport.h"
#include "ui/accessibility.h"
#include "ui/appearance.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/icon.h"
#include "ui/partsstore.h"
#include "ui_wheelform.h"

namespace {

constexpr int kCaptionGap = 25;
const QString kFileFilter = QStringLiteral("轮圈和花鼓 (*.json)");

std::string textOf(const QComboBox* combo) { return combo->currentText().toStdString(); }
std::string textOf(const QLineEdit* box) { return box->text().toStdString(); }
QString shown(const std::string& text) { return QString::fromStdString(text); }

// A label's text as the sheet shows it: without its closing colon.
QString caption(const QLabel* label) { return label->text().chopped(1); }

}  // namespace

WheelForm::WheelForm(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::WheelForm>()) {
  prepareWindowFonts();
  describeWindowToScreenReaders();
  ui_->setupUi(this);
  setWindowTitle(host::wheelTitle() + QString(kCaptionGap, u' ') +
                 QCoreApplication::applicationVersion());
  setWindowIcon(calculatorIcon());
  applyAppearance(looks(), palette());
  nameControlsByTheirLabels(*this);
  for (QComboBox* list : findChildren<QComboBox*>()) {
    prepareList(list);
    connect(list, &QComboBox::currentTextChanged, this, &WheelForm::emptyResults);
  }
  for (QLineEdit* box : findChildren<QLineEdit*>()) {
    if (box->isReadOnly()) continue;
    prepareTypedBox(box);
    if (box != ui_->partName) connect(box, &QLineEdit::textChanged, this, &WheelForm::emptyResults);
  }
  for (QComboBox* list : {ui_->spokeCount, ui_->leftLacing, ui_->rightLacing})
    prepareTypedBox(list->lineEdit());
  // A picked rim or hub fills the boxes, which empties the results as typing would.
  connect(ui_->rims, &QComboBox::activated, this, &WheelForm::pickRim);
  connect(ui_->hubs, &QComboBox::activated, this, &WheelForm::pickHub);
  const auto handle = [this](QPushButton* button, void (WheelForm::*handler)()) {
    connect(button, &QPushButton::clicked, this,
            [this, handler] { host::runHandler(*this, [this, handler] { (this->*handler)(); }); });
  };
  handle(ui_->calculate, &WheelForm::CalculateClick);
  handle(ui_->printSheet, &WheelForm::askToPrint);
  handle(ui_->saveRim, &WheelForm::saveRim);
  handle(ui_->saveHub, &WheelForm::saveHub);
  handle(ui_->exportParts, &WheelForm::askToExport);
  handle(ui_->importParts, &WheelForm::askToImport);
  // Saving needs a name.
  const auto nameTyped = [this](const QString& name) {
    for (QPushButton* save : {ui_->saveRim, ui_->saveHub})
      save->setEnabled(!name.trimmed().isEmpty());
  };
  connect(ui_->partName, &QLineEdit::textChanged, this, nameTyped);
  nameTyped(ui_->partName->text());
  keep(storedParts());
}

WheelForm::~WheelForm() = default;

Looks WheelForm::looks() const {
  // Every control, the saved group's too; a list's own box takes the list's colours.
  Looks looks;
  for (QLineEdit* box : findChildren<QLineEdit*>())
    if (!qobject_cast<QComboBox*>(box->parent()))
      (box->isReadOnly() ? looks.results : looks.inputs).append(box);
  for (QComboBox* list : findChildren<QComboBox*>()) looks.inputs.append(list);
  for (QLabel* label : findChildren<QLabel*>()) looks.labels.append(label);
  return looks;
}

void WheelForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) applyColours(looks(), palette());  // a theme switch
  QWidget::changeEvent(event);
}

void WheelForm::emptyResults() {
  for (QLineEdit* box : findChildren<QLineEdit*>())
    if (box->isReadOnly()) box->clear();
}

void WheelForm::CalculateClick() {
  const calc::WheelInputs inputs{
      textOf(ui_->spokeCount),
      textOf(ui_->rimDiameter),
      textOf(ui_->holeDiameter),
      {{{textOf(ui_->leftFlangeDiameter), textOf(ui_->leftCentreOffset), textOf(ui_->leftLacing)},
        {textOf(ui_->rightFlangeDiameter), textOf(ui_->rightCentreOffset),
         textOf(ui_->rightLacing)}}},
      calc::kOrderSteps.at(static_cast<std::size_t>(ui_->orderStep->currentIndex()))};
  const calc::WheelTexts texts = calc::wheelTexts(calc::ComputeWheel(inputs));
  const std::array<std::array<QLineEdit*, 2>, 4> results = {{
      {ui_->leftLength, ui_->rightLength},
      {ui_->leftOrderLength, ui_->rightOrderLength},
      {ui_->leftShare, ui_->rightShare},
      {ui_->leftBracingAngle, ui_->rightBracingAngle},
  }};
  const std::array<const std::array<std::string, 2>*, 4> shownTexts = {
      &texts.length, &texts.orderLength, &texts.share, &texts.bracingAngle};
  for (std::size_t row = 0; row < results.size(); ++row)
    for (std::size_t side = 0; side < 2; ++side)
      results[row][side]->setText(shown((*shownTexts[row])[side]));
  if (!texts.problems.empty()) throw runtime::RuntimeError(texts.problemNumber, texts.problems);
}

QString WheelForm::buildSheet() const {
  QString sheet =
      QStringLiteral("<h2>%1</h2><p>%2</p><table cellpadding=\"4\">")
          .arg(host::wheelTitle().toHtmlEscaped(), QDate::currentDate().toString(Qt::ISODate));
  const auto row = [&sheet](const QString& name, const QString& value) {
    sheet += QStringLiteral("<tr><td>%1</td><td><b>%2</b></td></tr>")
                 .arg(name.toHtmlEscaped(), value.toHtmlEscaped());
  };
  const QList<QPair<const QLabel*, QString>> inputs = {
      {ui_->spokeCountLabel, ui_->spokeCount->currentText()},
      {ui_->rimDiameterLabel, ui_->rimDiameter->text()},
      {ui_->holeDiameterLabel, ui_->holeDiameter->text()},
      {ui_->leftFlangeDiameterLabel, ui_->leftFlangeDiameter->text()},
      {ui_->leftCentreOffsetLabel, ui_->leftCentreOffset->text()},
      {ui_->leftLacingLabel, ui_->leftLacing->currentText()},
      {ui_->rightFlangeDiameterLabel, ui_->rightFlangeDiameter->text()},
      {ui_->rightCentreOffsetLabel, ui_->rightCentreOffset->text()},
      {ui_->rightLacingLabel, ui_->rightLacing->currentText()},
      {ui_->orderStepLabel, ui_->orderStep->currentText()},
  };
  for (const auto& [label, value] : inputs) row(caption(label), value);
  sheet += QStringLiteral("</table><h3>%1</h3><table cellpadding=\"4\">")
               .arg(ui_->calculate->text().toHtmlEscaped());
  for (const QLineEdit* result :
       {ui_->leftLength, ui_->rightLength, ui_->leftOrderLength, ui_->rightOrderLength,
        ui_->leftShare, ui_->rightShare, ui_->leftBracingAngle, ui_->rightBracingAngle})
    row(result->accessibleName(), result->text());
  return sheet + QStringLiteral("</table>");
}

void WheelForm::printSheet(QPrinter& printer) const {
  QTextDocument document;
  document.setDefaultFont(font());
  document.setHtml(buildSheet());
  document.print(&printer);
}

void WheelForm::askToPrint() {
  QPrinter printer;
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted) printSheet(printer);
}

void WheelForm::keep(const parts::Library& library) {
  library_ = library;
  const auto names = [](const auto& entries) {
    QStringList names;
    for (const auto& entry : entries) names.append(QString::fromStdString(entry.name));
    return names;
  };
  for (const auto& [list, entries] :
       {std::pair{ui_->rims, names(library.rims)}, std::pair{ui_->hubs, names(library.hubs)}}) {
    const QString picked = list->currentText();
    const QSignalBlocker quiet(list);  // the boxes keep what they hold
    list->clear();
    list->addItems(entries);
    list->setCurrentIndex(entries.indexOf(picked));
  }
}

void WheelForm::saveRim() {
  parts::Library library = library_;
  parts::merge(library,
               {{{ui_->partName->text().trimmed().toStdString(), textOf(ui_->rimDiameter)}}, {}});
  storeParts(library);
  keep(library);
  ui_->rims->setCurrentText(ui_->partName->text().trimmed());
}

void WheelForm::saveHub() {
  parts::Library library = library_;
  const parts::Hub hub{ui_->partName->text().trimmed().toStdString(),
                       textOf(ui_->spokeCount),
                       textOf(ui_->holeDiameter),
                       {{{textOf(ui_->leftFlangeDiameter), textOf(ui_->leftCentreOffset)},
                         {textOf(ui_->rightFlangeDiameter), textOf(ui_->rightCentreOffset)}}}};
  parts::merge(library, {{}, {hub}});
  storeParts(library);
  keep(library);
  ui_->hubs->setCurrentText(ui_->partName->text().trimmed());
}

void WheelForm::pickRim(int index) {
  ui_->rimDiameter->setText(
      shown(library_.rims.at(static_cast<std::size_t>(index)).effectiveRimDiameter));
}

void WheelForm::pickHub(int index) {
  const parts::Hub& hub = library_.hubs.at(static_cast<std::size_t>(index));
  ui_->spokeCount->setCurrentText(shown(hub.spokeCount));
  ui_->holeDiameter->setText(shown(hub.spokeHoleDiameter));
  ui_->leftFlangeDiameter->setText(shown(hub.sides[0].flangeDiameter));
  ui_->leftCentreOffset->setText(shown(hub.sides[0].centreOffset));
  ui_->rightFlangeDiameter->setText(shown(hub.sides[1].flangeDiameter));
  ui_->rightCentreOffset->setText(shown(hub.sides[1].centreOffset));
}

void WheelForm::exportTo(const QString& path) const {
  QSaveFile file(path);
  const std::string text = parts::libraryText(library_);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), static_cast<qint64>(text.size())) !=
          static_cast<qint64>(text.size()) ||
      !file.commit())
    runtime::raise(runtime::messages::kFileNotWritten, path.toStdString());
}

void WheelForm::importFrom(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    runtime::raise(runtime::messages::kFileNotRead, path.toStdString());
  parts::Library library = library_;
  parts::merge(library, parts::libraryFromText(file.readAll().toStdString()));
  storeParts(library);
  keep(library);
}

void WheelForm::askToExport() {
  const QString path = QFileDialog::getSaveFileName(
      this, ui_->exportParts->text(),
      QString::fromUtf8(parts::kFileName.data(), qsizetype(parts::kFileName.size())), kFileFilter);
  if (!path.isEmpty()) exportTo(path);
}

void WheelForm::askToImport() {
  const QString path =
      QFileDialog::getOpenFileName(this, ui_->importParts->text(), QString(), kFileFilter);
  if (!path.isEmpty()) importFrom(path);
}
