// Build-time tool: writes the icon in the sizes the desktop and Windows use, from the same
// drawings as the window's icon (the hand-drawn 16 px pixels, the vector drawing for the rest).
//
//   iconrender <calculator.svg> <output folder>
//
// writes hicolor/<N>x<N>/apps/icon.png for 16, 32, 48, 64, 128 and 256, and icon.ico with the
// 16, 32, 48 and 256 px images.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>
#include <cstdio>

namespace {

#include "ui/pictures/calculator-16.xpm"

QImage iconImage(QSvgRenderer& vector, int size) {
  if (size == 16) return QImage(calculator_16).convertToFormat(QImage::Format_ARGB32);
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  vector.render(&painter);
  return image;
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
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s calculator.svg output-folder\n", argv[0]);
    return 2;
  }
  QSvgRenderer vector(QString::fromLocal8Bit(argv[1]));
  const QString out = QString::fromLocal8Bit(argv[2]);
  if (!vector.isValid()) return 1;
  QList<QImage> icoImages;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    const QImage image = iconImage(vector, size);
    const QString path = QStringLiteral("%1/hicolor/%2x%2/apps/icon.png").arg(out).arg(size);
    if (!write(path, png(image))) return 1;
    if (size == 16 || size == 32 || size == 48 || size == 256) icoImages << image;
  }
  return write(out + QStringLiteral("/icon.ico"), ico(icoImages)) ? 0 : 1;
}
