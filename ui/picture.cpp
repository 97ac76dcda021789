// Drawing the pictures as vectors, so they stay sharp at every display scale.
#include "ui/picture.h"

#include <QPainter>
#include <QSvgRenderer>

Picture::Picture(QWidget* parent) : QWidget(parent), renderer_(new QSvgRenderer(this)) {}

bool Picture::isLoaded() const { return renderer_->isValid(); }

void Picture::setSource(const QString& source) {
  source_ = source;
  renderer_->load(source);
  update();
}

void Picture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  renderer_->render(&painter, rect());
}
