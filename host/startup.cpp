// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's start: marking it running, and showing the start-up window as the user first
// sees it.
#include "host/startup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QWindow>
#ifdef _WIN32
#include <windows.h>

#include "identity.h"
#endif

namespace host {
namespace {

QWidget* firstInTabOrder(QWidget& form) {
  for (QWidget* widget = form.nextInFocusChain(); widget != &form;
       widget = widget->nextInFocusChain()) {
    if (widget->isWindow()) break;
    if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && !widget->focusProxy())
      return widget;
  }
  return nullptr;
}

// The text of an editable control, selected whole as the keyboard focus selects it. The focus
// given before the window is active arrives later for another reason, which selects nothing.
void selectText(QWidget& control) {
  auto* combo = qobject_cast<QComboBox*>(&control);
  auto* edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(&control);
  if (edit) edit->selectAll();
}

// A fixed-size window asked to fill the screen (a title bar drawn by the toolkit itself, as on
// Wayland, offers maximise whatever the window's hints say, and a compositor may refuse a
// maximised or full-screen window any other size) takes the size it is given while it fills it,
// its controls staying where they are. The limit is lifted as the request is made, before the
// compositor answers with the size; it comes back once the desktop has restored the window,
// which must not be resized before it has said so.
class ScreenFiller : public QObject {
 public:
  explicit ScreenFiller(QWidget& form) : QObject(&form), form_(form), fixed_(form.maximumSize()) {
    connect(form.windowHandle(), &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
      if (state == Qt::WindowMaximized || state == Qt::WindowFullScreen)
        form_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    });
    form.installEventFilter(this);
  }

  bool eventFilter(QObject*, QEvent* event) override {
    constexpr Qt::WindowStates kFilling = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (event->type() == QEvent::WindowStateChange && !(form_.windowState() & kFilling))
      form_.setMaximumSize(fixed_);
    return false;
  }

 private:
  QWidget& form_;
  const QSize fixed_;
};

}  // namespace

void markRunning() {
#ifdef _WIN32
  // Never closed: Windows releases it when the process ends, however it ends.
  CreateMutexW(nullptr, FALSE,
               reinterpret_cast<const wchar_t*>(QString::fromLatin1(kDesktopFileName).utf16()));
#endif
}

void showStartupForm(QWidget& form) {
  QApplication::setWindowIcon(form.windowIcon());
  form.show();
  new ScreenFiller(form);
  if (QWidget* first = firstInTabOrder(form)) {
    first->setFocus(Qt::TabFocusReason);
    selectText(*first);  // typing replaces what it holds, as in the platform's own dialogs
  }
}

}  // namespace host
