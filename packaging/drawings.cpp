// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Rendering the SVG drawings, the single source of every picture's and the icon's pixels.
#include "packaging/drawings.h"

#include <QPainter>
#include <QSvgRenderer>

QImage renderDrawing(const QString& name, const QSize& pixels) {
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  QSvgRenderer(QStringLiteral(":/drawings/%1.svg").arg(name)).render(&painter);
  return image;
}
