// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A long run of random calculate and clear clicks on the real window: the program never ends,
// the result box always holds a well-formed length (or is unchanged after an error), and memory
// stays flat.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>
#include <map>
#include <random>

#include "host/application.h"
#include "host/errorreport.h"
#include "ui/form1.h"

namespace {

constexpr int kClicks = 100'000;
constexpr int kWarmUpClicks = 1'000;
constexpr qint64 kAllowedGrowth = 2 * 1024 * 1024;
#ifdef __SANITIZE_ADDRESS__
constexpr bool kMemoryIsMeaningful = false;  // AddressSanitizer holds freed memory in quarantine
#else
constexpr bool kMemoryIsMeaningful = true;
#endif

qint64 residentBytes() {
  QFile statm(QStringLiteral("/proc/self/statm"));
  if (!statm.open(QIODevice::ReadOnly)) return -1;
  return statm.readAll().split(' ').value(1).toLongLong() * 4096;
}

// Texts drawn to reach every path: lengths, hints, empty, garbage, huge exponents, long pastes.
class RandomText {
 public:
  explicit RandomText(std::uint32_t seed) : random_(seed) {}

  QString next() {
    switch (pick(10)) {
      case 0:
        return QStringLiteral("ERD");
      case 1:
        return QString();
      case 2:
        return garbage();
      case 3:
        return QString::number(pick(2000) - 1000) + "e" + QString::number(pick(800) - 400);
      case 4:
        return pick(1000) == 0 ? longPaste() : QString::number(pick(100000) / 100.0);
      default:
        return QString::number(pick(1000) / 10.0 + 1);
    }
  }
  // A megabyte pasted into a box, which keeps it whole and lays all of it out: rarer than the
  // other texts, or it would take most of the run.
  const QString& longPaste() const { return longPaste_; }
  int pick(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

 private:
  // Characters from many scripts, controls and other oddities. The pool is fixed so that the
  // fonts each script needs are loaded while warming up, not mistaken for a leak later.
  QString garbage() {
    static const QString pool = QStringLiteral(
        "\t\n\r\x01\x7f !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~09aZeEdDhHoO&\u00a0\u00e9\u00df"
        "\u03c0\u0416\u05d0\u0627\u0663\u0915\u0e01\u1100\u3000\u3042\u30a2\u4e00\u76f4"
        "\u62c9\uff10\uff13\uff38\u200b\u200f\u2028\u0301\ufffd\U0001f600\U00020000");
    QString text;
    for (int i = pick(40); i > 0; --i) {
      const int at = pick(pool.size());
      text += pool[at];
      if (pool[at].isHighSurrogate()) text += pool[at + 1];
    }
    return text;
  }

  std::mt19937 random_;
  const QString longPaste_ = QString(1 << 20, u'7').replace(1000, 1, u'.');
};

const QRegularExpression kDisplayText(QStringLiteral(R"(^-?([1-9][0-9]*)?\.([0-9]?[1-9])?$)"));

}  // namespace

class SoakTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    host::prepareApplication();
    QLocale::setDefault(QLocale::c());
  }

  void randomClicksNeverEndTheProgramNorLeak() {
    std::map<int, int> errors;
    int reports = 0;
    host::setErrorReporter([&](QWidget&, const runtime::RuntimeError& error) {
      ++errors[static_cast<int>(error.number())];
      ++reports;
    });
    Form1 form;
    auto* spokes = form.findChild<QComboBox*>("Co1");
    auto* lacing = form.findChild<QComboBox*>("Co2");
    const QList<QLineEdit*> boxes{
        form.findChild<QLineEdit*>("Te1"), form.findChild<QLineEdit*>("Te2"),
        form.findChild<QLineEdit*>("Te3"), form.findChild<QLineEdit*>("Te4")};
    auto* calculate = form.findChild<QPushButton*>("Command1");
    auto* clear = form.findChild<QPushButton*>("Command2");
    RandomText random(20261207);
    int lengths = 0;
    qint64 warmedUp = 0;

    for (int click = 1; click <= kClicks; ++click) {
      if (random.pick(20) == 0) {
        clear->click();
        QCOMPARE(form.formState().te5, QString());
        continue;
      }
      spokes->setEditText(random.pick(4) == 0 ? random.next() : QString::number(random.pick(49)));
      if (random.pick(8) == 0) {
        lacing->setCurrentIndex(-1);  // as typing does
        lacing->setEditText(random.pick(2) ? random.next() : QStringLiteral(" 2x "));
      } else {
        lacing->setCurrentIndex(random.pick(5));
      }
      // Warming up pastes the longest texts often, so that the text engine's buffers have grown
      // to their largest before memory is measured.
      const bool warmingUp = click <= kWarmUpClicks;
      for (QLineEdit* box : boxes)
        box->setText(warmingUp && random.pick(20) == 0 ? random.longPaste() : random.next());

      const QString before = form.formState().te5;
      const int reportsBefore = reports;
      calculate->click();
      const QString after = form.formState().te5;
      if (reports > reportsBefore) {
        QCOMPARE(after, before);
      } else {
        QVERIFY2(kDisplayText.match(after).hasMatch(), qPrintable(after.left(80)));
        ++lengths;
      }
      if (click == kWarmUpClicks) warmedUp = residentBytes();
    }

    const qint64 end = residentBytes();
    qInfo(
        "%d clicks: %d lengths shown; resident memory %.2f MB after %d clicks, %.2f MB at the end",
        kClicks, lengths, warmedUp / 1048576.0, kWarmUpClicks, end / 1048576.0);
    for (const auto& [number, count] : errors) qInfo("error %d reported %d times", number, count);
    QVERIFY(lengths > kClicks / 4);
    for (int number : {5, 6, 11, 380})
      QVERIFY2(errors[number] > 0, qPrintable(QString::number(number)));
    if (kMemoryIsMeaningful)
      QVERIFY2(end - warmedUp <= kAllowedGrowth, qPrintable(QString::number(end - warmedUp)));
  }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
