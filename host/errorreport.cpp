// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one place where errors raised by handlers are caught and shown to the user.
#include "host/errorreport.h"

#include <QMessageBox>
#include <new>

#include "engine/messages.h"
#include "host/application.h"
#include "host/screenfiller.h"

namespace host {
namespace {

QString textOf(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void showMessageBox(QWidget& owner, const runtime::RuntimeError& error) {
  const QString text = QStringLiteral("%1 %2\n\n%3")
                           .arg(textOf(runtime::messages::kDialogHeading))
                           .arg(static_cast<int>(error.number()))
                           .arg(QString::fromStdString(error.message()));
  QMessageBox box(QMessageBox::Critical, programTitle(), text, QMessageBox::NoButton, &owner);
  // Named here: some desktop themes ask the toolkit for a button text it has no Chinese for.
  box.addButton(textOf(runtime::messages::kDialogClose), QMessageBox::AcceptRole);
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
