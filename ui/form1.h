// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator's one window.
#pragma once

#include <QWidget>
#include <memory>

#include "ui/formstate.h"

struct Looks;

namespace Ui {
class Form1;  // the controls, generated from form1.ui
}

/// The window: its controls come from the window description (form1.ui); building it raises its
/// Load event.
class Form1 : public QWidget {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  /// The contents of the boxes and lists, as they are now.
  FormState formState() const;

  /// Load: picks three crossings.
  void FormLoad();
  /// Click of 计算: computes the spoke length and shows it in the result box. Raises
  /// runtime::RuntimeError, having written nothing, when the inputs give no length.
  void CalculateClick();
  /// Click of 清空: empties the five boxes; the spoke count and the lacing stay.
  void ClearClick();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  Looks looks() const;

  std::unique_ptr<Ui::Form1> ui_;
};
