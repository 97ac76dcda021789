// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The titles of the error numbers.
#include "engine/messages.h"

namespace runtime {

std::string_view titleOf(ErrorNumber number) {
  switch (number) {
    case ErrorNumber::InvalidOperation:
      return "无效运算";
    case ErrorNumber::Overflow:
      return "溢出";
    case ErrorNumber::OutOfMemory:
      return "内存不足";
    case ErrorNumber::DivisionByZero:
      return "除数为零";
    case ErrorNumber::FileAccess:
    case ErrorNumber::BadFileFormat:
    case ErrorNumber::InvalidPropertyValue:
      break;
  }
  return {};
}

}  // namespace runtime
