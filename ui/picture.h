// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// An explanatory drawing, shown from pixels rendered ahead of time from its vector source.
#pragma once

#include <QImage>
#include <QWidget>
#include <algorithm>
#include <array>
#include <ranges>

#include "ui/renderedsizes.h"

/// The first of the ascending `stored` that is at least `wanted`, or the last where none is: the
/// rendering to scale down from.
template <std::ranges::forward_range Stored>
std::ranges::range_value_t<Stored> nearestLarger(const Stored& stored,
                                                 std::ranges::range_value_t<Stored> wanted) {
  const auto found = std::ranges::find_if(stored, [wanted](auto s) { return s >= wanted; });
  return found == std::ranges::end(stored) ? *std::ranges::rbegin(stored) : *found;
}

/// `image` at `size`: as it is where it has that size (or none), else scaled smoothly.
QImage resizedTo(const QImage& image, const QSize& size);

/// Pixels rendered ahead of time, stored raw (`format`'s bytes with rows padded to four bytes, in
/// an uncompressed resource) so that showing them costs no decoding; a null image where
/// `resource` does not hold `size` pixels.
QImage storedPixels(const QString& resource, const QSize& size, QImage::Format format);

/// The resource that holds the drawing `name` rendered at display `scale`, one of
/// kRenderedScales: 8-bit grey (the drawings are black on white), raw at scale 1, where it is
/// read at every start, and PNG at the others.
QString renderedDrawing(const QString& name, qreal scale);

/// The pixels that show the drawing `name`, `size` at scale 1, at display `scale`: rendered ahead
/// at that scale, or at the nearest larger one (the largest, beyond it) scaled smoothly. A null
/// image where the drawing has no pixels.
QImage drawingPixels(const QString& name, const QSize& size, qreal scale);

/// Shows a drawing stretched to the widget. The window description names it in the `drawing`
/// property ("flange": ui/pictures/flange.svg, rendered into ui/pictures/rendered/).
class Picture : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString drawing READ drawing WRITE setDrawing)

 public:
  explicit Picture(QWidget* parent = nullptr);

  QString drawing() const { return drawing_; }
  void setDrawing(const QString& drawing);
  /// Whether the drawing can be shown.
  bool isLoaded() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString drawing_;
  QImage shown_;  // for the size and scale last painted at
};
