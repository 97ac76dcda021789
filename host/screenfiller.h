// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fixed-size windows that a desktop maximises or shows full screen anyway.
#pragma once

class QWidget;

namespace host {

/// Lets `window`, whose size is fixed, take the size it is given while a desktop shows it
/// maximised or full screen, its controls staying where they are, and gives it back its own size
/// once the desktop has restored it. A title bar drawn by the toolkit itself, as on Wayland,
/// offers maximise whatever the window's hints say, and a compositor may refuse a maximised or
/// full-screen window any other size: it ends the program. `window` must exist (`winId()`).
void fillScreenWhenAsked(QWidget& window);

/// On Wayland, lets `window` take any size from the start: there the compositor decides it (a
/// tiling one tiles the window, a smaller tile included), and a window that keeps a size of its own
/// is framed in black or spills over its neighbours. Its controls stay where they are, cut off
/// where the size given is smaller. Elsewhere nothing changes. Returns whether it is on Wayland.
bool takeAnySizeOnWayland(QWidget& window);

}  // namespace host
