// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Construction and raising of runtime errors.
#include "runtimeerror.h"

#include <utility>

namespace runtime {

RuntimeError::RuntimeError(ErrorNumber number, std::string message)
    : number_(number), message_(std::move(message)) {}

void raiseOverflow(const std::string& cause) {
  throw RuntimeError(ErrorNumber::Overflow, "溢出：" + cause);
}

void raiseDivisionByZero(const std::string& cause) {
  throw RuntimeError(ErrorNumber::DivisionByZero, "除数为零：" + cause);
}

void raiseInvalidOperation(const std::string& cause) {
  throw RuntimeError(ErrorNumber::InvalidOperation, "无效运算：" + cause);
}

}  // namespace runtime
