// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Carrying the few glyphs the window shows saves opening three large font collections at start-up.
#include "ui/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QResource>
#include <QStringList>

namespace {

// The family of a font the program carries, once registered; empty if it cannot be read. Read
// where the program holds it (stored uncompressed), not from a copy: the font database and the
// glyph renderer keep using the data.
QString carriedFamily(const QString& file) {
  const QResource font(file);
  const int id = QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
      reinterpret_cast<const char*>(font.data()), static_cast<qsizetype>(font.size())));
  return QFontDatabase::applicationFontFamilies(id).value(0);
}

QStringList present(QStringList families) {
  families.removeAll(QString());
  return families;
}

void resolveFonts() {
  const QString serif = carriedFamily(QStringLiteral(":/fonts/serif-regular.otf"));
  carriedFamily(QStringLiteral(":/fonts/serif-bold.otf"));
  const QString sans = carriedFamily(QStringLiteral(":/fonts/sans-regular.otf"));
  // SimSun first where it is installed (Windows); the system's faces serve typed characters.
  QFont::insertSubstitutions(
      QStringLiteral("宋体"),
      present({QStringLiteral("SimSun"), QStringLiteral("NSimSun"), serif,
               QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Serif CJK"),
               QStringLiteral("Source Han Serif SC"), QStringLiteral("Source Han Serif CN"),
               QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL SungtiL GB")}));
  // The user-interface font has no Chinese; the desktop's fallback for it follows the locale and
  // under LANG=C would draw the buttons' and lists' Chinese in Japanese forms.
  QFont::insertSubstitutions(
      QGuiApplication::font().family(),
      present({QStringLiteral("Microsoft YaHei"), sans, QStringLiteral("Noto Sans CJK SC"),
               QStringLiteral("Source Han Sans SC")}));
}

}  // namespace

void prepareWindowFonts() {
  static const bool prepared = (resolveFonts(), true);
  Q_UNUSED(prepared);
}
