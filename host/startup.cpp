// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's start: marking it running, and showing the start-up window as the user first
// sees it.
#include "host/startup.h"

#include <QComboBox>
#include <QLineEdit>

#include <string_view>

#include "host/screenfiller.h"
#include "identity.h"
#ifdef _WIN32
#include <windows.h>
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

}  // namespace

bool asksForWholeWheel(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::string_view(argv[i]) == kWheelOption) return true;
  return false;
}

void markRunning() {
#ifdef _WIN32
  // Never closed: Windows releases it when the process ends, however it ends.
  CreateMutexW(nullptr, FALSE,
               reinterpret_cast<const wchar_t*>(QString::fromLatin1(kDesktopFileName).utf16()));
#endif
}

void showStartupForm(QWidget& form) {
  QApplication::setWindowIcon(form.windowIcon());
  const bool anySize = takeAnySizeOnWayland(form);
  form.show();
  if (!anySize) fillScreenWhenAsked(form);  // a window of any size has no limit to lift
  if (QWidget* first = firstInTabOrder(form)) {
    first->setFocus(Qt::TabFocusReason);
    selectText(*first);  // typing replaces what it holds, as in the platform's own dialogs
  }
}

}  // namespace host
