// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The spoke length calculator: opens its window (or, asked on the command line, the whole-wheel
// window) and runs until the window is closed.
#include "host/startup.h"
#include "ui/form1.h"
#include "ui/wheelform.h"

int main(int argc, char* argv[]) {
  if (host::asksForWholeWheel(argc, argv)) return host::runProgram<WheelForm>(argc, argv);
  return host::runProgram<Form1>(argc, argv);
}
