// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Development tool: renders, once, the pixels that are checked in beside the drawings, so that
// neither the program nor a cross build has to render vectors (scripts/render-pictures).
//
//   prerender <output folder>
//
// writes the pixels the program shows (ui/picture.h), at the sizes and scales the build lists
// (ui/renderedsizes.h): each picture of the window at its size in the window and each display
// scale of kRenderedScales, in 8-bit grey (flange.gray, raw, at scale 1; flange@1.25x.png and so
// on at the others), and the icon raw at the sizes a window asks for (calculator-<N>.argb up to
// kIconLargestRaw); and, for the program and the packages, the icon at every size of kIconSizes
// (calculator-<N>.png) and calculator.ico with the images of kIcoSizes.
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QtEndian>
#include <algorithm>
#include <cstdio>

#include "host/application.h"
#include "packaging/drawings.h"
#include "ui/form1.h"
#include "ui/icon.h"
#include "ui/picture.h"

namespace {

// The image's bytes, the padding at the end of each row zeroed: the same pixels give the same
// file.
QByteArray raw(const QImage& image) {
  QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
  const qsizetype used = qsizetype(image.width()) * image.depth() / 8;
  for (int y = 0; y < image.height(); ++y) {
    const auto row = bytes.begin() + qsizetype(y) * image.bytesPerLine();
    std::fill(row + used, row + image.bytesPerLine(), '\0');
  }
  return bytes;
}

QByteArray png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

template <typename T>
void append(QByteArray& bytes, T value) {
  const T little = qToLittleEndian(value);
  bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// An ICO file whose images are stored as PNG, as Windows has read them since Vista.
QByteArray ico(const QList<QImage>& images) {
  QByteArray header;
  append<quint16>(header, 0);  // reserved
  append<quint16>(header, 1);  // icon
  append<quint16>(header, static_cast<quint16>(images.size()));
  QByteArray data;
  quint32 offset = 6 + 16 * images.size();
  for (const QImage& image : images) {
    const QByteArray encoded = png(image);
    header.append(static_cast<char>(image.width() >= 256 ? 0 : image.width()));
    header.append(static_cast<char>(image.height() >= 256 ? 0 : image.height()));
    header.append('\0');          // no palette
    header.append('\0');          // reserved
    append<quint16>(header, 1);   // colour planes
    append<quint16>(header, 32);  // bits per pixel
    append<quint32>(header, static_cast<quint32>(encoded.size()));
    append<quint32>(header, offset);
    offset += encoded.size();
    data.append(encoded);
  }
  return header + data;
}

bool write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
  if (written) std::printf("wrote %s\n", qPrintable(path));
  return written;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s output-folder\n", argv[0]);
    return 2;
  }
  host::prepareApplication();
  const QString out = QString::fromLocal8Bit(argv[1]) + '/';
  QDir().mkpath(out);
  bool written = true;
  const Form1 form;
  for (const Picture* picture : form.findChildren<Picture*>()) {
    for (const double scale : kRenderedScales) {
      const QSize pixels = (QSizeF(picture->size()) * scale).toSize();
      const QImage grey =
          renderDrawing(picture->drawing(), pixels).convertToFormat(QImage::Format_Grayscale8);
      const QString file = out + QFileInfo(renderedDrawing(picture->drawing(), scale)).fileName();
      written &= write(file, scale == 1.0 ? raw(grey) : png(grey));
    }
  }
  QList<QImage> icoImages;
  for (const int size : kIconSizes) {
    const bool handDrawn = size == kIconSizes.front();
    const QImage image = handDrawn ? calculatorIcon().pixmap(size).toImage()
                                   : renderDrawing(QStringLiteral("calculator"), QSize(size, size));
    written &= write(QStringLiteral("%1calculator-%2.png").arg(out).arg(size), png(image));
    if (!handDrawn && size <= kIconLargestRaw)
      written &= write(QStringLiteral("%1calculator-%2.argb").arg(out).arg(size), raw(image));
    if (std::ranges::find(kIcoSizes, size) != kIcoSizes.end()) icoImages << image;
  }
  written &= write(out + QStringLiteral("calculator.ico"), ico(icoImages));
  return written ? 0 : 1;
}
