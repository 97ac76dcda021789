// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's calls: the window's handlers, over texts instead of controls.
#include "web/binding.h"

#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "engine/displaytext.h"
#include "engine/lacing.h"
#include "engine/numberspan.h"
#include "engine/parts.h"
#include "engine/runtimeerror.h"
#include "engine/spokelength.h"
#include "engine/utf8.h"
#include "engine/wheel.h"

namespace {

// What the last call gave, read by the accessors below until the next call.
std::string shown;
int spanStart = -1;
int spanEnd = -1;

// The page counts positions in UTF-16 units, the engine in UTF-8 bytes: a character beyond
// U+FFFF is two units. A byte the decoder refuses (the page's encoder writes none) is one.
struct Step {
  std::size_t bytes;
  int units;
};
Step stepAt(std::string_view text, std::size_t pos) {
  if (const auto decoded = runtime::utf8::decodedAt(text, pos))
    return {decoded->length, decoded->character > 0xFFFF ? 2 : 1};
  return {1, 1};
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

// Runs a call that sets `shown` and returns 0; a runtime error, or no memory, is its number and
// message instead.
template <typename Call>
int reported(std::initializer_list<const char*> texts, Call call) {
  try {
    for (const char* text : texts)
      if (text == nullptr) throw std::bad_alloc();
    call();
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

}  // namespace

extern "C" {

int calculate(const char* spokeCount, const char* rimDiameter, const char* flangeDiameter,
              const char* centreOffset, const char* holeDiameter, const char* lacing) {
  return reported({spokeCount, rimDiameter, flangeDiameter, centreOffset, holeDiameter, lacing},
                  [&] {
                    const calc::SpokeInputs inputs{spokeCount,   runtime::typedCrossings(lacing),
                                                   rimDiameter,  flangeDiameter,
                                                   centreOffset, holeDiameter};
                    shown = runtime::displayText(calc::ComputeSpokeLength(inputs), ".");
                  });
}

int calculateWheel(const char* spokeCount, const char* rimDiameter, const char* holeDiameter,
                   const char* leftDiameter, const char* leftOffset, const char* leftLacing,
                   const char* rightDiameter, const char* rightOffset, const char* rightLacing,
                   int orderStep) {
  int problem = 0;
  const int error = reported(
      {spokeCount, rimDiameter, holeDiameter, leftDiameter, leftOffset, leftLacing, rightDiameter,
       rightOffset, rightLacing},
      [&] {
        const calc::WheelInputs inputs{
            spokeCount,
            rimDiameter,
            holeDiameter,
            {{{leftDiameter, leftOffset, leftLacing}, {rightDiameter, rightOffset, rightLacing}}},
            orderStep > 0 && orderStep < static_cast<int>(calc::kOrderSteps.size())
                ? calc::kOrderSteps[static_cast<std::size_t>(orderStep)]
                : calc::kOrderSteps[0]};
        const calc::WheelTexts texts = calc::wheelTexts(calc::ComputeWheel(inputs));
        shown.clear();
        for (const auto* row :
             {&texts.length, &texts.orderLength, &texts.share, &texts.bracingAngle})
          for (const std::string& text : *row) shown.append(text).append("\t");
        shown += texts.problems;
        if (!texts.problems.empty()) problem = static_cast<int>(texts.problemNumber);
      });
  return error != 0 ? error : problem;
}

int mergeParts(const char* saved, const char* added) {
  return reported({saved, added}, [&] {
    parts::Library library = *saved == '\0' ? parts::Library{} : parts::libraryFromText(saved);
    parts::merge(library, parts::libraryFromText(added));
    shown = parts::libraryText(library);
  });
}

const char* emptyParts() {
  shown = parts::libraryText({});
  return shown.c_str();
}

const char* partsFileName() { return parts::kFileName.data(); }

const char* shownText() { return shown.c_str(); }

bool findNumber(const char* text, int position) {
  if (text == nullptr) return false;
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
