// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The icon is drawn on demand, without the toolkit's image and icon plugins, which would cost
// start-up time: the 16 px pixels come compiled in, the sizes a window asks for at start-up
// rendered ahead of time and stored raw, larger ones as PNG; every other size is the nearest
// larger one scaled smoothly.
#include "ui/icon.h"

#include <QIconEngine>
#include <QPainter>
#include <algorithm>

#include "ui/picture.h"

namespace {

#include "ui/pictures/calculator-16.xpm"

constexpr int kHandDrawn = kIconSizes.front();

QImage stored(int size) {
  if (size == kHandDrawn) return QImage(calculator_16);
  if (size <= kIconLargestRaw)
    return storedPixels(QStringLiteral(":/pictures/rendered/calculator-%1.argb").arg(size),
                        {size, size}, QImage::Format_ARGB32_Premultiplied);
  return QImage(QStringLiteral(":/pictures/rendered/calculator-%1.png").arg(size));
}

class CalculatorIconEngine : public QIconEngine {
 public:
  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    const QImage image = stored(nearestLarger(kIconSizes, std::max(size.width(), size.height())));
    return QPixmap::fromImage(resizedTo(image, size));
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal scale = painter->device()->devicePixelRatioF();
    painter->drawPixmap(rect, pixmap((QSizeF(rect.size()) * scale).toSize(), mode, state));
  }
  // What a window hands the desktop at start-up (X11 sends every size listed): the raw sizes,
  // not the PNG ones, whose decoding and sending lengthened every start.
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (const int size : kIconSizes)
      if (size <= kIconLargestRaw) sizes << QSize(size, size);
    return sizes;
  }
  QIconEngine* clone() const override { return new CalculatorIconEngine; }
  QString key() const override { return QStringLiteral("calculator"); }
};

}  // namespace

QIcon calculatorIcon() { return QIcon(new CalculatorIconEngine); }
