// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one error type that the runtime raises: a number and a message for the user.
#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "engine/messages.h"

namespace runtime {

/// A runtime error. It is raised (thrown) where a computation cannot go on and is caught in
/// exactly one place, the handler dispatch of the front end, which reports it.
class RuntimeError : public std::exception {
 public:
  /// `message`'s text after its number's title ("溢出：…"), with `quoted` in place of its "{}".
  explicit RuntimeError(const Message& message, std::string_view quoted = {});
  /// An error whose whole message is already worded: several messages, one to a line.
  RuntimeError(ErrorNumber number, std::string wholeMessage);

  ErrorNumber number() const noexcept { return number_; }
  /// The whole message as the user reads it, Simplified Chinese: the title, "：", the text.
  const std::string& message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  ErrorNumber number_;
  std::string message_;
};

/// Raises `message`, quoting `quoted` where its text quotes what the user typed.
[[noreturn]] void raise(const Message& message, std::string_view quoted = {});

}  // namespace runtime
