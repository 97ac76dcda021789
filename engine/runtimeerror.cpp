// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Construction and raising of runtime errors.
#include "engine/runtimeerror.h"

namespace runtime {
namespace {

std::string wholeMessage(const Message& message, std::string_view quoted) {
  std::string whole(titleOf(message.number));
  if (!whole.empty()) whole += "：";
  const std::size_t placeholder = message.text.find("{}");
  if (placeholder == std::string_view::npos) return whole.append(message.text);
  return whole.append(message.text.substr(0, placeholder))
      .append(quoted)
      .append(message.text.substr(placeholder + 2));
}

}  // namespace

RuntimeError::RuntimeError(const Message& message, std::string_view quoted)
    : number_(message.number), message_(wholeMessage(message, quoted)) {}

RuntimeError::RuntimeError(ErrorNumber number, std::string wholeMessage)
    : number_(number), message_(std::move(wholeMessage)) {}

void raise(const Message& message, std::string_view quoted) { throw RuntimeError(message, quoted); }

}  // namespace runtime
