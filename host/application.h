// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Application-wide settings made once at start-up, before any window is built.
#pragma once

#include <QString>

namespace host {

/// The program's name as its window and its messages show it.
QString programTitle();

/// The whole-wheel window's caption and menu entry: the title with 整轮.
QString wheelTitle();

/// Names the application for the desktop, gives its version, and puts the toolkit's own texts
/// into Simplified Chinese (Qt's qtbase_zh_CN catalogue, where it is installed). Needs the
/// application object.
void prepareApplication();

}  // namespace host
