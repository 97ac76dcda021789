// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the error dialog's words, for the page to show them as the window does, and every
// message the engine can raise, as the user reads it: the characters the page's interface face
// must carry for its error dialog. One a line: the heading, the button, then the messages.
//
//   messagetexts OUTPUT
#include <fstream>

#include "engine/messages.h"
#include "engine/runtimeerror.h"

int main(int argc, char* argv[]) {
  if (argc != 2) return 2;
  std::ofstream out(argv[1], std::ios::binary);
  out << runtime::messages::kDialogHeading << '\n' << runtime::messages::kDialogClose << '\n';
  for (const runtime::Message* message : runtime::messages::kAll)
    out << runtime::RuntimeError(*message).message() << '\n';
  return out.good() ? 0 : 1;
}
