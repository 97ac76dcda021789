// Development tool: renders, once, the pixels that are checked in beside the drawings, so that
// neither the program's start-up nor a cross build has to render them (scripts/render-pictures).
//
//   prerender <output folder>
//
// writes the raw pixels the program shows (ui/picture.h, storedPixels): each picture of the
// window at its size in the window in 8-bit grey (flange.gray, hub.gray, rim.gray) and the icon
// at the sizes a window asks for (calculator-<N>.argb for 32, 48 and 64); and for the packages
// the icon in the sizes the desktop and Windows use (calculator-<N>.png for 16, 32, 48, 64, 128
// and 256) and calculator.ico with the 16, 32, 48 and 256 px images.
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QtEndian>
#include <cstdio>

#include "runtime/host/application.h"
#include "ui/form1.h"
#include "ui/icon.h"
#include "ui/picture.h"

namespace {

QByteArray raw(const QImage& image) {
  return QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
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
  runtime::prepareApplication();
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out);
  bool written = true;
  const Form1 form;
  for (const Picture* picture : form.findChildren<Picture*>()) {
    const QString name = QFileInfo(picture->source()).completeBaseName();
    const QImage grey = renderDrawing(picture->source(), picture->size())
                            .convertToFormat(QImage::Format_Grayscale8);
    written &= write(out + '/' + name + ".gray", raw(grey));
  }
  QList<QImage> icoImages;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    const QImage image =
        size == 16 ? calculatorIcon().pixmap(16).toImage()
                   : renderDrawing(QStringLiteral(":/pictures/calculator.svg"), QSize(size, size));
    written &= write(QStringLiteral("%1/calculator-%2.png").arg(out).arg(size), png(image));
    if (size == 32 || size == 48 || size == 64)
      written &= write(QStringLiteral("%1/calculator-%2.argb").arg(out).arg(size), raw(image));
    if (size == 16 || size == 32 || size == 48 || size == 256) icoImages << image;
  }
  written &= write(out + QStringLiteral("/calculator.ico"), ico(icoImages));
  return written ? 0 : 1;
}
