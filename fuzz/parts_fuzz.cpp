// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the parts file's reader: any bytes are read or refused with its one error, never
// anything else, and what is read is written back as a file that reads as the same library.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/parts.h"
#include "engine/runtimeerror.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  parts::Library library;
  try {
    library = parts::libraryFromText(text);
  } catch (const runtime::RuntimeError& error) {
    if (error.number() != runtime::ErrorNumber::BadFileFormat) std::abort();
    return 0;
  }
  if (parts::libraryFromText(parts::libraryText(library)) != library) std::abort();
  return 0;
}
