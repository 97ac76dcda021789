// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The vector drawings themselves, which only the tool that renders the program's pixels and the
// tests that check those pixels read: the program shows pixels alone.
#pragma once

#include <QImage>

/// The drawing `name` (ui/pictures/<name>.svg) rendered at `pixels`, stretched.
QImage renderDrawing(const QString& name, const QSize& pixels);
