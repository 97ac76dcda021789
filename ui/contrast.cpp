// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Contrast by the WCAG 2 formulas: relative luminance of sRGB colours.
#include "ui/contrast.h"

#include <QColor>
#include <algorithm>
#include <cmath>

namespace {

double linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
         0.0722 * linear(colour.blueF());
}

QColor scaled(const QColor& colour, double factor) {
  return QColor::fromRgbF(colour.redF() * factor, colour.greenF() * factor,
                          colour.blueF() * factor);
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
  const double first = luminance(a);
  const double second = luminance(b);
  return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor darkenedToRead(const QColor& colour, const QColor& background) {
  // Scaling all three channels keeps the hue; the first scale that reads is the lightest.
  constexpr int kSteps = 255;
  for (int step = kSteps; step > 0; --step) {
    const QColor candidate = scaled(colour, double(step) / kSteps);
    if (contrastRatio(candidate, background) >= kReadableContrast) return candidate;
  }
  return Qt::black;
}

QColor readableOn(const QColor& background, std::initializer_list<QColor> candidates) {
  for (const QColor& candidate : candidates)
    if (contrastRatio(candidate, background) >= kReadableContrast) return candidate;
  const QColor black(Qt::black);
  const QColor white(Qt::white);
  return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}
