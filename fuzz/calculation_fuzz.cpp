// Fuzzes a whole calculation: six arbitrary inputs end in a well-formed ".##" text or in one of
// the runtime's errors, never in anything else.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "calc/spokelength.h"
#include "runtime/displaytext.h"
#include "runtime/runtimeerror.h"

namespace {

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
  FuzzedDataProvider provider(data, size);
  calc::SpokeInputs inputs;
  inputs.crossingIndex = provider.ConsumeIntegral<std::int16_t>();
  inputs.spokeCount = provider.ConsumeRandomLengthString();
  inputs.effectiveRimDiameter = provider.ConsumeRandomLengthString();
  inputs.flangeDiameter = provider.ConsumeRandomLengthString();
  inputs.centreOffset = provider.ConsumeRandomLengthString();
  inputs.spokeHoleDiameter = provider.ConsumeRemainingBytesAsString();
  try {
    if (!isWellFormed(runtime::displayText(calc::ComputeSpokeLength(inputs), "."))) std::abort();
  } catch (const runtime::RuntimeError& error) {
    if (!isRuntimeErrorNumber(error.number())) std::abort();
  }
  return 0;
}
