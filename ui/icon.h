// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's icon.
#pragma once

#include <QIcon>

/// The pocket calculator: drawn pixel by pixel at the smallest of kIconSizes (16 x 16), rendered
/// ahead from its vector drawing at the others, and the nearest larger of those scaled at every
/// other size.
QIcon calculatorIcon();
