// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page calls: the engine behind a few C functions that take and give UTF-8 texts, so
// that the page's script carries texts only and every rule stays here.
#include <cstdint>
#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "engine/displaytext.h"
#include "engine/lacing.h"
#include "engine/numberspan.h"
#include "engine/runtimeerror.h"
#include "engine/spokelength.h"
#include "engine/utf8.h"

namespace {

// What the last call gave, read by the accessors below until the next call.
std::string shown;
int spanStart = -1;
int spanEnd = -1;

// The crossing count of the lacing box: a list item as picked, or the lacing typed into it.
std::int16_t crossingsOf(std::string_view lacing) {
  for (std::size_t index = 0; index < std::size(runtime::kLacings); ++index)
    if (lacing == runtime::kLacings[index]) return static_cast<std::int16_t>(index);
  return runtime::typedCrossings(lacing);
}

// Bytes of a UTF-8 sequence the page's text encoder wrote: a lone surrogate of a JavaScript
// string comes as three bytes, which the decoder refuses, and counts as one UTF-16 unit.
struct Step {
  std::size_t bytes;
  int units;
};
Step stepAt(std::string_view text, std::size_t pos) {
  if (const auto decoded = runtime::utf8::decodedAt(text, pos))
    return {decoded->length, decoded->character > 0xFFFF ? 2 : 1};
  return {std::min<std::size_t>(3, text.size() - pos), 1};
}

std::size_t bytesBefore(std::string_view text, int units) {
  std::size_t pos = 0;
  for (int counted = 0; pos < text.size() && counted < units;) {
    const Step step = stepAt(text, pos);
    pos += step.bytes;
    counted += step.units;
  }
  return pos;
}

int unitsBefore(std::string_view text, std::size_t bytes) {
  int units = 0;
  for (std::size_t pos = 0; pos < bytes && pos < text.size();) {
    const Step step = stepAt(text, pos);
    pos += step.bytes;
    units += step.units;
  }
  return units;
}

}  // namespace

extern "C" {

/// Calculates the spoke length of the boxes' texts, in the boxes' order. 0 when it shows a length
/// (shownText() is its display text); otherwise the error number, and shownText() is the error's
/// message.
int calculate(const char* spokeCount, const char* rimDiameter, const char* flangeDiameter,
              const char* centreOffset, const char* holeDiameter, const char* lacing) {
  try {
    const calc::SpokeInputs inputs{spokeCount,     crossingsOf(lacing), rimDiameter,
                                   flangeDiameter, centreOffset,        holeDiameter};
    shown = runtime::displayText(calc::ComputeSpokeLength(inputs), ".");
    return 0;
  } catch (const runtime::RuntimeError& error) {
    shown = error.message();
    return static_cast<int>(error.number());
  } catch (const std::bad_alloc&) {
    const runtime::RuntimeError error(runtime::messages::kTextTooLong);
    shown = error.message();
    return static_cast<int>(error.number());
  }
}

/// The last calculation's display text or message.
const char* shownText() { return shown.c_str(); }

/// Finds the number around UTF-16 position `position` of `text`, as a double-click selects it;
/// false where none stands there. numberStart() and numberEnd() give it in UTF-16 positions.
bool findNumber(const char* text, int position) {
  const std::string_view whole(text);
  const std::optional<runtime::TextSpan> span =
      runtime::numberSpanAt(whole, bytesBefore(whole, position));
  if (!span) return false;
  spanStart = unitsBefore(whole, span->first);
  spanEnd = unitsBefore(whole, span->first + span->length);
  return true;
}

int numberStart() { return spanStart; }
int numberEnd() { return spanEnd; }

}  // extern "C"
