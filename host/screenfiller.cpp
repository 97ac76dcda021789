// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The limit is lifted as the request is made, before the compositor answers with the size; it
// comes back once the desktop has restored the window, which must not be resized before it has
// said so.
#include "host/screenfiller.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace host {
namespace {

constexpr Qt::WindowStates kFilling = Qt::WindowMaximized | Qt::WindowFullScreen;

class ScreenFiller : public QObject {
 public:
  explicit ScreenFiller(QWidget& window) : QObject(&window), window_(window) {
    connect(window.windowHandle(), &QWindow::windowStateChanged, this,
            [this](Qt::WindowState state) {
              if (!(state & kFilling) || lifted_) return;
              // Read now: a dialog fixes its size only as it is shown.
              fixed_ = window_.maximumSize();
              lifted_ = true;
              window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            });
    window.installEventFilter(this);
  }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::WindowStateChange && lifted_ &&
        !(window_.windowState() & kFilling)) {
      lifted_ = false;
      window_.setMaximumSize(fixed_);
    }
    return false;
  }

 private:
  QWidget& window_;
  QSize fixed_;
  bool lifted_ = false;
};

}  // namespace

void fillScreenWhenAsked(QWidget& window) { new ScreenFiller(window); }

bool takeAnySizeOnWayland(QWidget& window) {
  if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return false;
  window.setMinimumSize(0, 0);
  window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  return true;
}

}  // namespace host
