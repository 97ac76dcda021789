// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Running event handlers so that an error they raise is reported and the program goes on.
#pragma once

#include <functional>

#include "engine/runtimeerror.h"

class QWidget;

namespace host {

/// Tells the user about an error that a handler raised; `owner` is the handler's window.
using ErrorReporter = std::function<void(QWidget& owner, const runtime::RuntimeError& error)>;

/// Replaces how errors are reported (tests observe reports this way); an empty reporter restores
/// the default, a modal message box owned by the window.
void setErrorReporter(ErrorReporter reporter);

/// Runs an event handler of `owner`. A runtime error it raises (or running out of memory) ends
/// the handler and is reported; the window and everything typed in it stay as they were. No
/// exception leaves this function, so none reaches Qt's event loop.
void runHandler(QWidget& owner, const std::function<void()>& handler) noexcept;

}  // namespace host
