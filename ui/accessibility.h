// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader is told of the window where the toolkit's own account falls short.
#pragma once

/// From now on, for the whole program: the window is a frame, each drawing an image (with the
/// name and description the window description gives it), and each list is named by its
/// accessible name, its value the text it shows (the toolkit's own account names a list by its
/// value on Linux). Installing twice changes nothing.
void describeWindowToScreenReaders();
