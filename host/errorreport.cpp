// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one place where errors raised by handlers are caught and shown to the user.
#include "host/errorreport.h"

#include <QMessageBox>
#include <new>

#include "host/application.h"
#include "host/screenfiller.h"

namespace host {
namespace {

void showMessageBox(QWidget& owner, const runtime::RuntimeError& error) {
  const QString text = QStringLiteral("错误 %1\n\n%2")
                           .arg(static_cast<int>(error.number()))
                           .arg(QString::fromStdString(error.message()));
  QMessageBox box(QMessageBox::Critical, programTitle(), text, QMessageBox::NoButton, &owner);
  // Named here: some desktop themes ask the toolkit for a button text it has no Chinese for.
  box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
  box.winId();
  fillScreenWhenAsked(box);
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
  } catch (const runtime::RuntimeError& error) {
    currentReporter()(owner, error);
  } catch (const std::bad_alloc&) {
    currentReporter()(owner, runtime::RuntimeError(runtime::messages::kTextTooLong));
  }
}

}  // namespace host
