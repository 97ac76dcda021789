// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rims and hubs a builder has measured and named, and the one file format that keeps them,
// on the device and in an exported file alike:
//
//   {"format": "spokelength-parts", "version": 1,
//    "rims": [{"name": "…", "effectiveRimDiameter": "600"}],
//    "hubs": [{"name": "…", "spokeCount": "32", "spokeHoleDiameter": "2.6",
//              "left": {"flangeDiameter": "45", "centreOffset": "35"},
//              "right": {"flangeDiameter": "45", "centreOffset": "18"}}]}
//
// Every value is a box's text as typed (JSON strings, UTF-8), so that a picked rim or hub fills
// the boxes with exactly what was saved; names are not empty and not repeated within a list.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace parts {

inline constexpr std::string_view kFormat = "spokelength-parts";
inline constexpr int kVersion = 1;
/// The name an exported file is offered under.
inline constexpr std::string_view kFileName = "轮圈和花鼓.json";

struct Rim {
  std::string name;
  std::string effectiveRimDiameter;
  bool operator==(const Rim&) const = default;
};

struct Flange {
  std::string flangeDiameter;
  std::string centreOffset;
  bool operator==(const Flange&) const = default;
};

/// A hub, with the spoke count and spoke-hole diameter it is drilled for; left side first.
struct Hub {
  std::string name;
  std::string spokeCount;
  std::string spokeHoleDiameter;
  std::array<Flange, 2> sides;
  bool operator==(const Hub&) const = default;
};

struct Library {
  std::vector<Rim> rims;
  std::vector<Hub> hubs;
  bool operator==(const Library&) const = default;
};

/// The library as its file holds it.
std::string libraryText(const Library& library);

/// The library a file holds. A text that is not such a file (not JSON, another format or
/// version, a missing, extra or mistyped field, an empty or repeated name) raises the
/// not-a-parts-file error.
Library libraryFromText(std::string_view text);

/// Adds `added` to `library`; an entry whose name is already there replaces it in place.
void merge(Library& library, const Library& added);

}  // namespace parts
