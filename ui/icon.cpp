// The icon is drawn on demand, without the toolkit's image and icon plugins, which would cost
// start-up time: the 16 px pixels come compiled in, the sizes a window asks for at start-up
// rendered ahead of time, every other size from the vector drawing.
#include "ui/icon.h"

#include <QIconEngine>
#include <QPainter>

#include "ui/picture.h"

namespace {

#include "ui/pictures/calculator-16.xpm"

constexpr QSize kHandDrawnSize(16, 16);

class CalculatorIconEngine : public QIconEngine {
 public:
  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    if (size == kHandDrawnSize) return QPixmap(calculator_16);
    const QImage stored =
        storedPixels(QStringLiteral(":/pictures/rendered/calculator-%1.argb").arg(size.width()),
                     size, QImage::Format_ARGB32_Premultiplied);
    return QPixmap::fromImage(stored.isNull()
                                  ? renderDrawing(QStringLiteral(":/pictures/calculator.svg"), size)
                                  : stored);
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal scale = painter->device()->devicePixelRatioF();
    painter->drawPixmap(rect, pixmap((QSizeF(rect.size()) * scale).toSize(), mode, state));
  }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    return {kHandDrawnSize, {32, 32}, {48, 48}, {64, 64}};
  }
  QIconEngine* clone() const override { return new CalculatorIconEngine; }
  QString key() const override { return QStringLiteral("calculator"); }
};

}  // namespace

QIcon calculatorIcon() { return QIcon(new CalculatorIconEngine); }
