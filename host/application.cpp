// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up settings shared by the program and its window tests.
#include "host/application.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "identity.h"

namespace host {
namespace {

// The toolkit's own texts (a box's context menu, standard buttons) from Qt's catalogue, the
// system's or, where Qt has none (a static Qt), the one the program carries; without it they
// stay English and the program runs as before.
void installToolkitTranslation() {
  auto* translator = new QTranslator(QCoreApplication::instance());
  const QString catalogue = QStringLiteral("qtbase_zh_CN");
  if (translator->load(catalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      translator->load(catalogue, QStringLiteral(":/translations")))
    QCoreApplication::installTranslator(translator);
  else
    delete translator;
}

}  // namespace

QString programTitle() { return QString::fromUtf8(kProgramTitle); }

QString wheelTitle() { return QString::fromUtf8(kWheelTitle); }

void prepareApplication() {
  // ASCII names, so that task bars match the window with its desktop entry and icon: the name is
  // the X11 class, the desktop file name the Wayland application ID.
  QCoreApplication::setApplicationName(QString::fromLatin1(kProgramName));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersionText));
  installToolkitTranslation();
}

}  // namespace host
