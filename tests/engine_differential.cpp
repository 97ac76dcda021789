// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The same calculations on two platforms must show the same texts: this tool draws input sets
// once (on one platform) and runs them (on each), so that their results can be compared byte for
// byte (scripts/test-windows).
//
//   engine_differential generate <seed> <count> <cases file>
//   engine_differential run <cases file> <results file>
//   engine_differential wheels <seed> <count> <results file>
//
// A result line is the case's number, then its display text or "error <number>", then the
// length's bits in hexadecimal (or "-"), which tells apart lengths that show the same text.
// `wheels` draws whole wheels (with integer arithmetic only, so every platform draws the same)
// and writes, for each, every text the view shows and each side's length bits; it fails where a
// side's length is not the single-flange length of that side's inputs to the bit.
#include <array>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "engine/displaytext.h"
#include "engine/lacing.h"
#include "engine/runtimeerror.h"
#include "engine/spokelength.h"
#include "engine/wheel.h"
#include "tests/doublebits.h"

namespace {

// Texts drawn to reach every path of the conversion and the computation.
class Drawer {
 public:
  explicit Drawer(std::uint64_t seed) : random_(seed) {}

  calc::SpokeInputs wheel() {
    calc::SpokeInputs inputs;
    const unsigned kind = pick(8);
    inputs.spokeCount = kind == 0 ? text() : kind == 1 ? length(0, 10) : spokeCount();
    inputs.crossingIndex = pick(16) == 0 ? static_cast<std::int16_t>(random_())
                                         : static_cast<std::int16_t>(pick(6)) - 1;
    inputs.effectiveRimDiameter = pick(3) == 0 ? text() : length(500, 700);
    inputs.flangeDiameter = pick(3) == 0 ? text() : length(30, 70);
    inputs.centreOffset = pick(3) == 0 ? text() : length(15, 45);
    inputs.spokeHoleDiameter = pick(3) == 0 ? text() : length(2, 3);
    return inputs;
  }

  calc::WheelInputs wholeWheel() {
    const calc::SpokeInputs left = wheel();
    const calc::SpokeInputs right = wheel();
    return {left.spokeCount,
            left.effectiveRimDiameter,
            left.spokeHoleDiameter,
            {{{left.flangeDiameter, left.centreOffset, lacing()},
              {right.flangeDiameter, right.centreOffset, lacing()}}},
            calc::kOrderSteps[pick(calc::kOrderSteps.size())]};
  }

 private:
  std::string lacing() {
    if (pick(8) == 0) return text();
    static const std::array<const char*, 8> kTyped = {"直拉", "1X", "2X", "3X",
                                                      "4X",   "3x", "２", "1"};
    return kTyped[pick(kTyped.size())];
  }

  unsigned pick(unsigned bound) { return static_cast<unsigned>(random_() % bound); }

  std::string spokeCount() {
    static const std::array<const char*, 10> kCounts = {"16", "20", "24", "28", "32",
                                                        "36", "40", "48", "0",  ""};
    return kCounts[pick(kCounts.size())];
  }
  // A length in the usual range, with up to three decimals.
  std::string length(unsigned low, unsigned high) {
    const unsigned thousandths = low * 1000 + pick((high - low) * 1000 + 1);
    return std::to_string(thousandths / 1000) + "." +
           std::to_string(1000 + thousandths % 1000).substr(1);
  }
  std::string digits(unsigned count) {
    std::string digits;
    for (unsigned i = 0; i < count; ++i) digits += static_cast<char>('0' + pick(10));
    return digits;
  }
  // Any number: signs, fractions, exponents from tiny to huge, E or D.
  std::string number() {
    std::string number = pick(4) == 0 ? "-" : "";
    number += digits(1 + pick(18));
    if (pick(2) == 0) number.append(".").append(digits(pick(20)));
    if (pick(2) == 0) {
      number += "EeDd"[pick(4)];
      number += pick(2) == 0 ? "-" : "+";
      number += std::to_string(pick(330));
    }
    return number;
  }
  std::string text() {
    switch (pick(10)) {
      case 0:
        return "";
      case 1: {
        static const std::array<const char*, 8> kOdd = {
            "ERD", "d", "S", "1e400", "-1e-400", "&HFFFF", "&O777", "\u3000６００"};
        return kOdd[pick(kOdd.size())];
      }
      case 2:
        return "&H" + digits(1 + pick(9));
      case 3: {  // arbitrary bytes
        std::string bytes;
        for (unsigned i = pick(12); i > 0; --i) bytes += static_cast<char>(random_());
        return bytes;
      }
      case 4:
        return "２．６" + digits(pick(3));
      default:
        return number();
    }
  }

  std::mt19937_64 random_;
};

void writeText(std::ofstream& out, const std::string& text) {
  const auto size = static_cast<std::uint32_t>(text.size());
  for (int byte = 0; byte < 4; ++byte) out.put(static_cast<char>(size >> (8 * byte)));
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

bool readText(std::ifstream& in, std::string& text) {
  unsigned char sizeBytes[4];
  if (!in.read(reinterpret_cast<char*>(sizeBytes), sizeof sizeBytes)) return false;  // the end
  std::uint32_t size = 0;
  for (int byte = 0; byte < 4; ++byte) size |= std::uint32_t{sizeBytes[byte]} << (8 * byte);
  text.resize(size);
  return static_cast<bool>(in.read(text.data(), size));
}

int generate(std::uint64_t seed, long count, const char* path) {
  std::ofstream out(path, std::ios::binary);
  Drawer drawer(seed);
  for (long i = 0; i < count; ++i) {
    const calc::SpokeInputs inputs = drawer.wheel();
    writeText(out, std::to_string(inputs.crossingIndex));
    for (const std::string* text :
         {&inputs.spokeCount, &inputs.effectiveRimDiameter, &inputs.flangeDiameter,
          &inputs.centreOffset, &inputs.spokeHoleDiameter})
      writeText(out, *text);
  }
  return out ? 0 : 1;
}

int run(const char* casesPath, const char* resultsPath) {
  std::ifstream in(casesPath, std::ios::binary);
  std::ofstream out(resultsPath, std::ios::binary);
  std::string crossing;
  for (long number = 1; readText(in, crossing); ++number) {
    calc::SpokeInputs inputs;
    inputs.crossingIndex = static_cast<std::int16_t>(std::atoi(crossing.c_str()));
    for (std::string* text :
         {&inputs.spokeCount, &inputs.effectiveRimDiameter, &inputs.flangeDiameter,
          &inputs.centreOffset, &inputs.spokeHoleDiameter})
      if (!readText(in, *text)) return 1;
    char bits[24] = "-";
    std::string shown;
    try {
      const double length = calc::ComputeSpokeLength(inputs);
      std::snprintf(bits, sizeof bits, "%016" PRIx64, bitsOf(length));
      shown = runtime::displayText(length, ".");
    } catch (const runtime::RuntimeError& error) {
      shown = "error " + std::to_string(static_cast<int>(error.number()));
    }
    out << number << ' ' << shown << ' ' << bits << '\n';
  }
  return out ? 0 : 1;
}

std::string bitsText(double value) {
  char bits[24];
  std::snprintf(bits, sizeof bits, "%016" PRIx64, bitsOf(value));
  return bits;
}

// A side's length as the window computes it from that side's inputs, or its error.
std::string singleLength(const calc::WheelInputs& wheel, const calc::FlangeInputs& flange) {
  try {
    return bitsText(calc::ComputeSpokeLength(
        {wheel.spokeCount, runtime::typedCrossings(flange.lacing), wheel.effectiveRimDiameter,
         flange.flangeDiameter, flange.centreOffset, wheel.spokeHoleDiameter}));
  } catch (const runtime::RuntimeError& error) {
    return "error " + std::to_string(static_cast<int>(error.number()));
  }
}

int wheels(std::uint64_t seed, long count, const char* resultsPath) {
  std::ofstream out(resultsPath, std::ios::binary);
  Drawer drawer(seed);
  int differing = 0;
  for (long number = 1; number <= count; ++number) {
    const calc::WheelInputs inputs = drawer.wholeWheel();
    const calc::WheelResult result = calc::ComputeWheel(inputs);
    const calc::WheelTexts texts = calc::wheelTexts(result);
    out << number;
    for (const calc::Side side : calc::kSides) {
      const auto i = static_cast<std::size_t>(side);
      const calc::SideResult& sideResult = result[side];
      const std::string length =
          sideResult.problem
              ? "error " + std::to_string(static_cast<int>(sideResult.problem->number))
              : bitsText(sideResult.length);
      if (length != singleLength(inputs, inputs.sides[i])) {
        std::fprintf(stderr, "wheel %ld, side %zu: %s\n", number, i, length.c_str());
        ++differing;
      }
      out << ' ' << length << " [" << texts.length[i] << "] [" << texts.orderLength[i] << "] ["
          << texts.share[i] << "] [" << texts.bracingAngle[i] << ']';
    }
    out << " [" << texts.problems << "]\n";
  }
  return out && differing == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "generate" && argc == 5)
    return generate(std::strtoull(argv[2], nullptr, 10), std::atol(argv[3]), argv[4]);
  if (mode == "run" && argc == 4) return run(argv[2], argv[3]);
  if (mode == "wheels" && argc == 5)
    return wheels(std::strtoull(argv[2], nullptr, 10), std::atol(argv[3]), argv[4]);
  std::fprintf(stderr,
               "usage: %s generate <seed> <count> <cases file>\n"
               "       %s run <cases file> <results file>\n"
               "       %s wheels <seed> <count> <results file>\n",
               argv[0], argv[0], argv[0]);
  return 2;
}
