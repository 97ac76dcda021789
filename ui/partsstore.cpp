// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Saved rims and hubs through QSettings.
#include "ui/partsstore.h"

#include <QCoreApplication>
#include <QSettings>
#include <memory>

#include "engine/runtimeerror.h"

namespace {

const QString kKey = QStringLiteral("parts");

// The program's own place in the settings store (~/.config/spokelength/parts.conf, the registry's
// HKEY_CURRENT_USER\Software\spokelength\parts), named by the program as it has no maker's name.
std::unique_ptr<QSettings> settings() {
  return std::make_unique<QSettings>(QCoreApplication::applicationName(), kKey);
}

}  // namespace

parts::Library storedParts() {
  const QString text = settings()->value(kKey).toString();
  if (text.isEmpty()) return {};
  try {
    return parts::libraryFromText(text.toStdString());
  } catch (const runtime::RuntimeError&) {
    return {};  // edited by hand beyond reading: the window starts with none
  }
}

void storeParts(const parts::Library& library) {
  settings()->setValue(kKey, QString::fromStdString(parts::libraryText(library)));
}
