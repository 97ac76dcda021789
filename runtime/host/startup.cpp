// Showing the start-up window as the user first sees it.
#include "runtime/host/startup.h"

namespace runtime {
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

}  // namespace

void showStartupForm(QWidget& form) {
  QApplication::setWindowIcon(form.windowIcon());
  form.show();
  if (QWidget* first = firstInTabOrder(form)) first->setFocus(Qt::OtherFocusReason);
}

}  // namespace runtime
