// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolkit reports a plain widget as a filler; a list keeps the toolkit's structure (its item
// view, then its line edit) and actions (open or close its items).
#include "ui/accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

#include "ui/form1.h"
#include "ui/picture.h"
#include "ui/wheelform.h"

namespace {

class ListInterface : public QAccessibleWidget {
 public:
  explicit ListInterface(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return list()->currentText();
    return QAccessibleWidget::text(t);  // the name: the accessible name, else the label's
  }
  int childCount() const override { return list()->lineEdit() ? 2 : 1; }
  QAccessibleInterface* child(int index) const override {
    if (index == 0) return QAccessible::queryAccessibleInterface(list()->view());
    if (index == 1 && list()->lineEdit())
      return QAccessible::queryAccessibleInterface(list()->lineEdit());
    return nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child->object() == list()->view()) return 0;
    if (list()->lineEdit() && child->object() == list()->lineEdit()) return 1;
    return -1;
  }
  // The line edit never has the focus itself (the list is its proxy), but it is what is edited.
  QAccessibleInterface* focusChild() const override {
    return list()->lineEdit() ? child(1) : nullptr;
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = list()->view()->isVisible();
    return state;
  }
  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
  void doAction(const QString& action) override {
    if (action != showMenuAction() && action != pressAction()) return;
    if (list()->view()->isVisible())
      list()->hidePopup();
    else
      list()->showPopup();
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget) return nullptr;
  // Each of the program's windows is a window to a screen reader, not a pane.
  if (className == QLatin1String(Form1::staticMetaObject.className()) ||
      className == QLatin1String(WheelForm::staticMetaObject.className()))
    return new QAccessibleWidget(widget, QAccessible::Window);
  if (className == QLatin1String(Picture::staticMetaObject.className()))
    return new QAccessibleWidget(widget, QAccessible::Graphic);
  if (className == QLatin1String("QComboBox"))
    return new ListInterface(static_cast<QComboBox*>(widget));
  return nullptr;
}

}  // namespace

void describeWindowToScreenReaders() {
  static const bool installed = (QAccessible::installFactory(interfaceFor), true);
  (void)installed;
}
