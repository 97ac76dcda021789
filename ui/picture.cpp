// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing the pictures from pixels: no vector rendering at run time, on any platform, and sharp at
// the display scales desktops use.
#include "ui/picture.h"

#include <QPainter>
#include <QResource>
#include <cstring>

namespace {

QSize scaled(const QSize& size, qreal scale) {
  return {qRound(size.width() * scale), qRound(size.height() * scale)};
}

}  // namespace

QImage resizedTo(const QImage& image, const QSize& size) {
  if (image.isNull() || image.size() == size) return image;
  return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage storedPixels(const QString& resource, const QSize& size, QImage::Format format) {
  QImage image(size, format);
  const QResource stored(resource);
  if (!stored.isValid() || stored.compressionAlgorithm() != QResource::NoCompression ||
      stored.size() != image.sizeInBytes())
    return {};
  std::memcpy(image.bits(), stored.data(), image.sizeInBytes());  // aligned, as QImage wants
  return image;
}

QString renderedDrawing(const QString& name, qreal scale) {
  if (scale == 1.0) return QStringLiteral(":/pictures/rendered/%1.gray").arg(name);
  return QStringLiteral(":/pictures/rendered/%1@%2x.png").arg(name).arg(scale);
}

QImage drawingPixels(const QString& name, const QSize& size, qreal scale) {
  const qreal nearest = nearestLarger(kRenderedScales, scale);
  const QImage image =
      nearest == 1.0 ? storedPixels(renderedDrawing(name, nearest), size, QImage::Format_Grayscale8)
                     : QImage(renderedDrawing(name, nearest));
  return resizedTo(image, scaled(size, scale));
}

Picture::Picture(QWidget* parent) : QWidget(parent) {}

bool Picture::isLoaded() const { return !drawingPixels(drawing_, size(), 1.0).isNull(); }

void Picture::setDrawing(const QString& drawing) {
  drawing_ = drawing;
  shown_ = QImage();
  update();
}

void Picture::paintEvent(QPaintEvent*) {
  const qreal scale = devicePixelRatioF();
  if (shown_.size() != scaled(size(), scale)) shown_ = drawingPixels(drawing_, size(), scale);
  QPainter painter(this);
  painter.drawImage(rect(), shown_);
}
