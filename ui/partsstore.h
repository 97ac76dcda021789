// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The saved rims and hubs on this device: the platform's settings store, in the parts file's
// own format.
#pragma once

#include "engine/parts.h"

/// What is saved; none where nothing is, or what is stored cannot be read.
parts::Library storedParts();

void storeParts(const parts::Library& library);
