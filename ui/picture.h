// An explanatory drawing, rendered from its vector source at the screen's pixel density.
#pragma once

#include <QWidget>

class QSvgRenderer;

/// Shows an SVG drawing stretched to the widget. The window description names the drawing in
/// the `source` property.
class Picture : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString source READ source WRITE setSource)

 public:
  explicit Picture(QWidget* parent = nullptr);

  QString source() const { return source_; }
  void setSource(const QString& source);
  /// Whether the drawing was read and can be shown.
  bool isLoaded() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString source_;
  QSvgRenderer* renderer_;  // owned as a child object
};
