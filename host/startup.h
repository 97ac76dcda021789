// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's start-up: build the start-up window, show it, dispatch events until it closes.
#pragma once

#include <QApplication>
#include <QWidget>
#include <concepts>

#include "host/application.h"

namespace host {

/// Shows the start-up window with the keyboard focus on its first control in tab order, its text
/// selected as the keyboard focus selects it, and gives the whole application the window's icon.
void showStartupForm(QWidget& form);

/// Marks the program as running for its life, where an installer asks for such a mark: on
/// Windows a named mutex (the desktop file name), which the installer and the uninstaller look
/// for before they replace or remove the program.
void markRunning();

/// Whether the command line asks for the whole-wheel window (its option among the arguments).
bool asksForWholeWheel(int argc, char** argv);

/// Runs the program whose start-up window is `Form`; building a `Form` raises its Load event.
/// Returns when the window is closed.
template <std::derived_from<QWidget> Form>
int runProgram(int& argc, char** argv) {
  markRunning();
  QApplication application(argc, argv);
  prepareApplication();
  Form form;
  showStartupForm(form);
  return QApplication::exec();
}

}  // namespace host
