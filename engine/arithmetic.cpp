// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The error that checked arithmetic raises.
#include "engine/arithmetic.h"

namespace runtime::detail {

void raiseResultOverflow() { raise(messages::kResultTooLarge); }

}  // namespace runtime::detail
