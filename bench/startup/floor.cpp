// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The start-up floor: a bare Qt Widgets window of the calculator's size with one "宋体" label,
// drawn with the system's Noto Serif CJK SC or, built with CARRIED_FONT, with the Song-style face
// the calculator carries, registered as the calculator registers it.
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>

namespace {

QString songFace() {
#ifdef CARRIED_FONT
  const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/serif-regular.otf"));
  return QFontDatabase::applicationFontFamilies(id).value(0);
#else
  return QStringLiteral("Noto Serif CJK SC");
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setFixedSize(716, 484);
  QFont::insertSubstitution(QStringLiteral("宋体"), songFace());
  QLabel label(QStringLiteral("钢 线 数："), &window);
  label.setFont(QFont(QStringLiteral("宋体"), 12));
  label.move(56, 8);
  window.show();
  return QApplication::exec();
}
