// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Saved rims and hubs through QSettings.
#include "ui/partsstore.h"

#include <QSettings>

#include "engine/runtimeerror.h"

namespace {

const QString kKey = QStringLiteral("wheel/parts");

}  // namespace

parts::Library storedParts() {
  const QString text = QSettings().value(kKey).toString();
  if (text.isEmpty()) return {};
  try {
    return parts::libraryFromText(text.toStdString());
  } catch (const runtime::RuntimeError&) {
    return {};  // edited by hand beyond reading: the window starts with none
  }
}

void storeParts(const parts::Library& library) {
  QSettings().setValue(kKey, QString::fromStdString(parts::libraryText(library)));
}
