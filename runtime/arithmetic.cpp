// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The error that checked arithmetic raises.
#include "arithmetic.h"

namespace runtime::detail {

void raiseResultOverflow() {
  raiseOverflow("计算结果太大，超出了能计算的范围：请检查输入的长度。");
}

}  // namespace runtime::detail
