// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and writing single characters of UTF-8 text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace runtime::utf8 {

struct Decoded {
  char32_t character;
  std::size_t length;
};

/// The character whose well-formed UTF-8 starts at byte `pos` (< text.size()); none for a
/// continuation byte, a malformed, overlong or cut sequence, or an encoded surrogate.
std::optional<Decoded> decodedAt(std::string_view text, std::size_t pos);

/// Appends `character` (a scalar value) to `text` as UTF-8.
void append(std::string& text, char32_t character);

}  // namespace runtime::utf8
