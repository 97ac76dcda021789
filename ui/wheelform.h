// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole-wheel window: both flanges at once, beside the calculator's own window.
#pragma once

#include <QWidget>
#include <memory>

#include "engine/parts.h"

class QPrinter;
struct Looks;

namespace Ui {
class WheelForm;  // the controls, generated from wheelform.ui
}

/// The window: each side's length, length to order, tension share and bracing angle from one
/// click, and the rims and hubs the builder has saved.
class WheelForm : public QWidget {
  Q_OBJECT

 public:
  explicit WheelForm(QWidget* parent = nullptr);
  ~WheelForm() override;

  /// Click of 计算: shows every result the inputs give; then, where a side or the share could
  /// not be computed, raises runtime::RuntimeError with every problem, one to a line.
  void CalculateClick();
  /// The build sheet (inputs, results, the date) as the printer gets it: rich text.
  QString buildSheet() const;
  /// Prints the build sheet on `printer` (a printer, or a PDF file).
  void printSheet(QPrinter& printer) const;

  /// Saves the boxes' rim or hub under the name typed, replacing one of that name.
  void saveRim();
  void saveHub();
  /// Writes every saved rim and hub to `path`; raises the file-access error where it cannot.
  void exportTo(const QString& path) const;
  /// Adds the rims and hubs of the file at `path`; raises, changing nothing, where it cannot
  /// be read or is not a parts file.
  void importFrom(const QString& path);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  Looks looks() const;
  void emptyResults();
  void keep(const parts::Library& library);
  void pickRim(int index);
  void pickHub(int index);
  void askToPrint();
  void askToExport();
  void askToImport();

  std::unique_ptr<Ui::WheelForm> ui_;
  parts::Library library_;
};
