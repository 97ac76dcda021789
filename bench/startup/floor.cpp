// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The start-up floor: a bare Qt Widgets window of the calculator's size with one "宋体" label.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setFixedSize(716, 484);
  QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"));
  QLabel label(QStringLiteral("钢 线 数："), &window);
  label.setFont(QFont(QStringLiteral("宋体"), 12));
  label.move(56, 8);
  window.show();
  return QApplication::exec();
}
