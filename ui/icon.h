// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's icon.
#pragma once

#include <QIcon>

/// The pocket calculator: drawn pixel by pixel at 16 x 16, rendered ahead from its vector drawing
/// at 32, 48, 64, 128 and 256 px, and the nearest larger of those scaled at every other size.
QIcon calculatorIcon();
