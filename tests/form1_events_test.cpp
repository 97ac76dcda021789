// The window's buttons, driven by simulated clicks and keys, and its reports of errors.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <vector>

#include "runtime/host/application.h"
#include "runtime/host/errorreport.h"
#include "ui/form1.h"

namespace {

struct Report {
  int number;
  QString message;
};

}  // namespace

class Form1EventsTest : public QObject {
  Q_OBJECT

 private:
  std::vector<Report> reports_;

  static void type(QWidget* box, const QString& text) {
    auto* edit = qobject_cast<QComboBox*>(box) ? qobject_cast<QComboBox*>(box)->lineEdit()
                                               : qobject_cast<QLineEdit*>(box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    bool ascii = true;
    for (const QChar c : text) ascii = ascii && c.unicode() < 128;
    if (ascii) {
      QTest::keyClicks(edit, text);
    } else {  // Chinese is typed through an input method
      QInputMethodEvent committed;
      committed.setCommitString(text);
      QCoreApplication::sendEvent(edit, &committed);
    }
  }
  static void click(Form1& form, const char* button) {
    QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
  }
  static void typeWheel(Form1& form, const QString& spokes) {
    type(form.findChild<QWidget*>("Co1"), spokes);
    type(form.findChild<QWidget*>("Te1"), "600");
    type(form.findChild<QWidget*>("Te2"), "45");
    type(form.findChild<QWidget*>("Te3"), "35");
    type(form.findChild<QWidget*>("Te4"), "2.6");
  }
  static void pickLacing(Form1& form, int index) {
    form.findChild<QComboBox*>("Co2")->setCurrentIndex(index);
  }

 private slots:
  void initTestCase() {
    runtime::prepareApplication();
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    runtime::setErrorReporter([this](QWidget&, const runtime::RuntimeError& error) {
      reports_.push_back(
          {static_cast<int>(error.number()), QString::fromStdString(error.message())});
    });
  }
  void init() { reports_.clear(); }

  void calculateRightAfterStartShowsTheBarePoint() {
    Form1 form;
    click(form, "Command1");
    QCOMPARE(form.formState().te5, QString("."));
    click(form, "Command1");
    QCOMPARE(form.formState().te5, QString("."));
  }

  void clearEmptiesTheBoxesButKeepsTheWheel() {
    Form1 form;
    typeWheel(form, "32");
    click(form, "Command1");
    click(form, "Command2");
    const FormState cleared{"32", "3X", 3, "", "", "", "", ""};
    QCOMPARE(form.formState(), cleared);
    click(form, "Command1");
    QCOMPARE(form.formState().te5, QString("."));
  }

  void typedWheelGivesItsLength_data() {
    QTest::addColumn<QString>("spokes");
    QTest::addColumn<int>("lacing");
    QTest::addColumn<QString>("length");
    QTest::newRow("36 spokes, 3X") << "36" << 3 << "290.22";
    QTest::newRow("32 spokes, 3X") << "32" << 3 << "292.92";
    QTest::newRow("radial") << "36" << 0 << "278.4";
    QTest::newRow("1X") << "36" << 1 << "279.85";
    QTest::newRow("spoke count typed with a blank") << "3 6" << 3 << "290.22";
  }
  void typedWheelGivesItsLength() {
    QFETCH(QString, spokes);
    QFETCH(int, lacing);
    QFETCH(QString, length);
    Form1 form;
    typeWheel(form, spokes);
    pickLacing(form, lacing);
    click(form, "Command1");
    QCOMPARE(form.formState().te5, length);
    QVERIFY(reports_.empty());
  }

  void lengthUsesTheLocalesDecimalSeparator() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Form1 form;
    typeWheel(form, "36");
    click(form, "Command1");
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    QCOMPARE(form.formState().te5, QString("290,22"));
  }

  void errorIsReportedAndTheWindowGoesOn_data() {
    QTest::addColumn<QString>("spokes");
    QTest::addColumn<int>("lacing");
    QTest::addColumn<int>("number");
    QTest::newRow("empty spoke count") << "" << 3 << 11;
    QTest::newRow("empty spoke count, radial") << "" << 0 << 5;
    QTest::newRow("huge spoke count") << "1e400" << 3 << 6;
  }
  void errorIsReportedAndTheWindowGoesOn() {
    QFETCH(QString, spokes);
    QFETCH(int, lacing);
    QFETCH(int, number);
    Form1 form;
    typeWheel(form, "36");
    click(form, "Command1");
    type(form.findChild<QWidget*>("Co1"), spokes);
    pickLacing(form, lacing);
    const FormState before = form.formState();
    click(form, "Command1");
    QCOMPARE(reports_.size(), 1u);
    QCOMPARE(reports_.front().number, number);
    QCOMPARE(form.formState(), before);
    type(form.findChild<QWidget*>("Co1"), "36");
    pickLacing(form, 3);
    click(form, "Command1");
    QCOMPARE(form.formState().te5, QString("290.22"));
  }

  void typedLacingIsTakenForTheItemItNames_data() {
    QTest::addColumn<QString>("lacing");
    QTest::addColumn<QString>("length");
    QTest::newRow("item") << "3X"
                          << "290.22";
    QTest::newRow("lower case with blanks") << "  3x "
                                            << "290.22";
    QTest::newRow("bare count") << "3"
                                << "290.22";
    QTest::newRow("radial") << "直拉"
                            << "278.4";
    QTest::newRow("radial as count") << "0"
                                     << "278.4";
    QTest::newRow("one cross") << "1x"
                               << "279.85";
  }
  void typedLacingIsTakenForTheItemItNames() {
    QFETCH(QString, lacing);
    QFETCH(QString, length);
    Form1 form;
    typeWheel(form, "36");
    type(form.findChild<QWidget*>("Co2"), lacing);
    QCOMPARE(form.formState().co2ListIndex, std::int16_t{-1});
    click(form, "Command1");
    QCOMPARE(form.formState().te5, length);
    QVERIFY(reports_.empty());
  }

  void unknownTypedLacingIsReported_data() {
    QTest::addColumn<QString>("lacing");
    QTest::newRow("five crosses") << "5X";
    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("count with sign") << "+3";
    QTest::newRow("long") << QString(300, 'x');
  }
  void unknownTypedLacingIsReported() {
    QFETCH(QString, lacing);
    Form1 form;
    typeWheel(form, "36");
    type(form.findChild<QWidget*>("Co2"), lacing);
    const FormState before = form.formState();
    click(form, "Command1");
    QCOMPARE(reports_.size(), 1u);
    QCOMPARE(reports_.front().number, 380);
    QVERIFY(reports_.front().message.size() < 120);
    QCOMPARE(form.formState(), before);
  }
};

QTEST_MAIN(Form1EventsTest)
#include "form1_events_test.moc"
