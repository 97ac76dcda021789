// Drawing the pictures: pre-rendered pixels where they fit, vectors where they do not, so they
// stay sharp at every display scale.
#include "ui/picture.h"

#include <QFileInfo>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>
#include <cstring>

QImage renderDrawing(const QString& source, const QSize& pixels) {
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  QSvgRenderer(source).render(&painter);
  return image;
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

QImage prerenderedDrawing(const QString& source, const QSize& size) {
  const QFileInfo svg(source);
  return storedPixels(
      svg.path() + QStringLiteral("/rendered/") + svg.completeBaseName() + QStringLiteral(".gray"),
      size, QImage::Format_Grayscale8);
}

Picture::Picture(QWidget* parent) : QWidget(parent) {}

bool Picture::isLoaded() const { return QSvgRenderer(source_).isValid(); }

void Picture::setSource(const QString& source) {
  source_ = source;
  prerendered_ = QImage();
  if (renderer_) renderer_->load(source);
  update();
}

QSvgRenderer& Picture::vectors() {
  if (!renderer_) renderer_ = new QSvgRenderer(source_, this);
  return *renderer_;
}

void Picture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const bool unscaled = devicePixelRatioF() == 1.0;
  if (unscaled && prerendered_.size() != size()) prerendered_ = prerenderedDrawing(source_, size());
  if (unscaled && !prerendered_.isNull())
    painter.drawImage(0, 0, prerendered_);
  else
    vectors().render(&painter, rect());
}
