// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one error type that the runtime raises: a number and a message for the user.
#pragma once

#include <exception>
#include <string>

namespace runtime {

/// Error numbers; the user sees them beside the message.
enum class ErrorNumber : int {
  InvalidOperation = 5,
  Overflow = 6,
  OutOfMemory = 7,
  DivisionByZero = 11,
  InvalidPropertyValue = 380,
};

/// A runtime error. It is raised (thrown) where a computation cannot go on and is caught in
/// exactly one place, the handler dispatch of the window, which reports it.
class RuntimeError : public std::exception {
 public:
  /// `message` is Simplified Chinese, written for the person using the calculator.
  RuntimeError(ErrorNumber number, std::string message);

  ErrorNumber number() const noexcept { return number_; }
  const std::string& message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  ErrorNumber number_;
  std::string message_;
};

/// Raises the overflow error; `cause` says in the user's terms what became too large.
[[noreturn]] void raiseOverflow(const std::string& cause);
/// Raises the division-by-zero error; `cause` says which input was zero.
[[noreturn]] void raiseDivisionByZero(const std::string& cause);
/// Raises the invalid-operation error; `cause` says which input made it so.
[[noreturn]] void raiseInvalidOperation(const std::string& cause);

}  // namespace runtime
