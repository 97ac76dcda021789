// An explanatory drawing: pixels rendered ahead for the usual screen, vectors for any other.
#pragma once

#include <QImage>
#include <QWidget>

class QSvgRenderer;

/// The SVG drawing `source` rendered at `pixels`, stretched: how the window shows it.
QImage renderDrawing(const QString& source, const QSize& pixels);

/// Pixels rendered ahead of time, stored raw (`format`'s bytes with rows padded to four bytes, in
/// an uncompressed resource) so that showing them costs no decoding; a null image where
/// `resource` does not hold `size` pixels.
QImage storedPixels(const QString& resource, const QSize& size, QImage::Format format);

/// The pixels rendered ahead of time for the SVG drawing `source` at `size`: "x.svg" has them
/// in "rendered/x.gray" beside it, 8-bit grey (the drawings are black on white).
QImage prerenderedDrawing(const QString& source, const QSize& size);

/// Shows an SVG drawing stretched to the widget. The window description names the drawing in
/// the `source` property. At display scale 1 it shows the drawing's pre-rendered pixels, which
/// spares parsing and rendering the SVG at start-up; at any other scale or size, the vectors.
class Picture : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString source READ source WRITE setSource)

 public:
  explicit Picture(QWidget* parent = nullptr);

  QString source() const { return source_; }
  void setSource(const QString& source);
  /// Whether the drawing can be shown.
  bool isLoaded() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer& vectors();

  QString source_;
  QImage prerendered_;
  QSvgRenderer* renderer_ = nullptr;  // made when first needed, owned as a child object
};
