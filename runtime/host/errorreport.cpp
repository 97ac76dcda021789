// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one place where errors raised by handlers are caught and shown to the user.
#include "runtime/host/errorreport.h"

#include <QMessageBox>
#include <new>

#include "runtime/host/application.h"

namespace runtime {
namespace {

void showMessageBox(QWidget& owner, const RuntimeError& error) {
  const QString text = QStringLiteral("错误 %1\n\n%2")
                           .arg(static_cast<int>(error.number()))
                           .arg(QString::fromStdString(error.message()));
  QMessageBox box(QMessageBox::Critical, programTitle(), text, QMessageBox::NoButton, &owner);
  // Named here: some desktop themes ask the toolkit for a button text it has no Chinese for.
  box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
  box.exec();
}

ErrorReporter& currentReporter() {
  static ErrorReporter reporter = showMessageBox;
  return reporter;
}

}  // namespace

void setErrorReporter(ErrorReporter reporter) {
  currentReporter() = reporter ? std::move(reporter) : showMessageBox;
}

void runHandler(QWidget& owner, const std::function<void()>& handler) noexcept {
  try {
    handler();
  } catch (const RuntimeError& error) {
    currentReporter()(owner, error);
  } catch (const std::bad_alloc&) {
    currentReporter()(
        owner, RuntimeError(ErrorNumber::OutOfMemory, "内存不足：输入的文字太长，无法计算。"));
  }
}

}  // namespace runtime
