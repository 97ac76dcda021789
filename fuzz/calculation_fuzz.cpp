// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes a whole calculation: six arbitrary inputs end in a well-formed ".##" text or in one of
// the runtime's errors, never in anything else.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/displaytext.h"
#include "engine/runtimeerror.h"
#include "engine/spokelength.h"

namespace {

// Splits a fuzz input into the calculation's inputs: the crossing index from the last two bytes,
// then texts from the front, each ended by a backslash and another character ("\\\\" is one
// backslash), the last one taking the rest. (The layout of libFuzzer's FuzzedDataProvider, which
// the corpus was made with; written out so that the corpus also replays without clang.)
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::int16_t crossingIndex() {
    unsigned value = 0;
    for (int byte = 0; byte < 2 && size_ != 0; ++byte) value = (value << 8) | data_[--size_];
    return static_cast<std::int16_t>(value - 32768);
  }
  std::string text() {
    std::string text;
    while (size_ != 0) {
      char next = take();
      if (next == '\\' && size_ != 0) {
        next = take();
        if (next != '\\') break;
      }
      text += next;
    }
    return text;
  }
  std::string rest() {
    std::string rest(reinterpret_cast<const char*>(data_), size_);
    size_ = 0;
    return rest;
  }

 private:
  char take() {
    --size_;
    return static_cast<char>(*data_++);
  }

  const std::uint8_t* data_;
  std::size_t size_;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "-" for a negative value, integer digits without a leading zero, ".", at most two fraction
// digits without a trailing zero.
bool isWellFormed(const std::string& text) {
  std::size_t pos = (!text.empty() && text[0] == '-') ? 1 : 0;
  const std::size_t integerStart = pos;
  while (pos < text.size() && isDigit(text[pos])) ++pos;
  if (pos > integerStart && text[integerStart] == '0') return false;
  if (pos >= text.size() || text[pos] != '.') return false;
  const std::size_t fraction = text.size() - pos - 1;
  for (std::size_t i = pos + 1; i < text.size(); ++i)
    if (!isDigit(text[i])) return false;
  return fraction <= 2 && (fraction == 0 || text.back() != '0');
}

bool isRuntimeErrorNumber(runtime::ErrorNumber number) {
  using runtime::ErrorNumber;
  return number == ErrorNumber::Overflow || number == ErrorNumber::DivisionByZero ||
         number == ErrorNumber::InvalidOperation;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  calc::SpokeInputs inputs;
  inputs.crossingIndex = input.crossingIndex();
  inputs.spokeCount = input.text();
  inputs.effectiveRimDiameter = input.text();
  inputs.flangeDiameter = input.text();
  inputs.centreOffset = input.text();
  inputs.spokeHoleDiameter = input.rest();
  try {
    if (!isWellFormed(runtime::displayText(calc::ComputeSpokeLength(inputs), "."))) std::abort();
  } catch (const runtime::RuntimeError& error) {
    if (!isRuntimeErrorNumber(error.number())) std::abort();
  }
  return 0;
}
