// A click into a hint would put the caret after it, and typing would extend it ("ERD600").
#include "ui/hint.h"

#include <QEvent>
#include <QLineEdit>

namespace {

class HintSelector : public QObject {
 public:
  explicit HintSelector(QLineEdit* box) : QObject(box), hint_(box->text()) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = static_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::FocusIn && box->text() == hint_)
      // Queued: a mouse press places the caret after the focus arrives.
      QMetaObject::invokeMethod(box, &QLineEdit::selectAll, Qt::QueuedConnection);
    return false;
  }

 private:
  const QString hint_;
};

}  // namespace

void selectHintOnFocus(QLineEdit* box) { box->installEventFilter(new HintSelector(box)); }
