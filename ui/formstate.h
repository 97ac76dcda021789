// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The contents of the window's boxes and lists, read at once: a snapshot to compare whole. The
// handlers read and write the controls themselves.
#pragma once

#include <QString>
#include <cstdint>

struct FormState {
  QString co1;                     // spoke count
  QString co2;                     // lacing pattern as shown
  std::int16_t co2ListIndex = -1;  // crossings picked from the list; -1 when typed
  QString te1;                     // effective rim diameter
  QString te2;                     // flange diameter
  QString te3;                     // centre offset
  QString te4;                     // spoke-hole diameter
  QString te5;                     // the spoke length shown

  friend bool operator==(const FormState&, const FormState&) = default;
};
