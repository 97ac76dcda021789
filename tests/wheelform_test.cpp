// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole-wheel window: its results against the main window's, what empties them, the saved
// rims and hubs, the build sheet, and what a screen reader and the keyboard find.
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include "engine/runtimeerror.h"
#include "host/application.h"
#include "host/errorreport.h"
#include "host/startup.h"
#include "ui/contrast.h"
#include "ui/form1.h"
#include "ui/partsstore.h"
#include "ui/wheelform.h"

namespace {

// A wheel as typed: spoke count, ERD, hole; left diameter, offset, lacing; right the same.
using Wheel = QStringList;
const Wheel kFront{"36", "600", "2.6", "45", "35", "3X", "45", "35", "3X"};
const Wheel kRoadRear{"32", "600", "2.6", "45", "35", "3X", "45", "18", "3X"};
const char* const kInputs[] = {"spokeCount",          "rimDiameter",       "holeDiameter",
                               "leftFlangeDiameter",  "leftCentreOffset",  "leftLacing",
                               "rightFlangeDiameter", "rightCentreOffset", "rightLacing"};

void type(QWidget* control, const QString& text) {
  auto* list = qobject_cast<QComboBox*>(control);
  QLineEdit* box = list ? list->lineEdit() : qobject_cast<QLineEdit*>(control);
  box->selectAll();
  box->insert(text);  // as an input method commits it
}

void typeWheel(WheelForm& form, const Wheel& wheel) {
  for (int i = 0; i < wheel.size(); ++i) type(form.findChild<QWidget*>(kInputs[i]), wheel[i]);
}

QString shown(const QWidget& form, const char* name) {
  return form.findChild<QLineEdit*>(name)->text();
}

void click(QWidget& form, const char* button) {
  QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
}

}  // namespace

class WheelFormTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);  // settings of its own, not the user's
    host::prepareApplication();
  }
  void init() {
    storeParts({});
    reports_.clear();
    host::setErrorReporter([this](QWidget&, const runtime::RuntimeError& error) {
      reports_.push_back(
          {static_cast<int>(error.number()), QString::fromStdString(error.message())});
    });
  }

  void opensFromTheCommandLineWithItsTitle() {
    char program[] = "spokelength", option[] = "--wheel", other[] = "-platform";
    char* withOption[] = {program, other, option};
    char* without[] = {program, other};
    QVERIFY(host::asksForWholeWheel(3, withOption));
    QVERIFY(!host::asksForWholeWheel(2, without));
    WheelForm form;
    QVERIFY(form.windowTitle().startsWith("辐条长度计算器（整轮）"));
  }

  void frontWheelGivesEqualSides() {
    WheelForm form;
    typeWheel(form, kFront);
    click(form, "calculate");
    QCOMPARE(reports_.size(), 0);
    for (const char* side : {"left", "right"}) {
      const QString prefix = side;
      QCOMPARE(shown(form, qPrintable(prefix + "Length")), "290.22");
      QCOMPARE(shown(form, qPrintable(prefix + "OrderLength")), "290");
      QCOMPARE(shown(form, qPrintable(prefix + "Share")), "50.0%");
      QCOMPARE(shown(form, qPrintable(prefix + "BracingAngle")), "6.9°");
    }
  }

  // Each side's length is what the main window shows for that side's inputs.
  void eachSideIsTheMainWindowsLength_data() {
    QTest::addColumn<Wheel>("wheel");
    QTest::newRow("road rear") << kRoadRear;
    QTest::newRow("mountain rear") << Wheel{"28", "540", "2.4", "38", "33", "2X", "50", "20", "3X"};
    QTest::newRow("typed full-width")
        << Wheel{"２４", "５９０", "2。5", "40", "30", "直拉", "４０", "２０", "２ｘ"};
  }
  void eachSideIsTheMainWindowsLength() {
    QFETCH(Wheel, wheel);
    WheelForm form;
    typeWheel(form, wheel);
    click(form, "calculate");
    for (const auto& [side, first] : {std::pair{"leftLength", 3}, std::pair{"rightLength", 6}}) {
      Form1 window;
      const QStringList inputs{wheel[0],         wheel[1], wheel[first],
                               wheel[first + 1], wheel[2], wheel[first + 2]};
      const char* names[] = {"Co1", "Te1", "Te2", "Te3", "Te4", "Co2"};
      for (int i = 0; i < inputs.size(); ++i) type(window.findChild<QWidget*>(names[i]), inputs[i]);
      click(window, "Command1");
      QCOMPARE(shown(form, side), window.formState().te5);
    }
  }

  // The guide's rear wheel, typed as its tables give it, shows the results they give.
  void guideRearWheelGivesItsResults() {
    QFile file(QStringLiteral(":/guide.md"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString guide = QString::fromUtf8(file.readAll());
    const qsizetype start = guide.indexOf("### 后轮算例");
    const QString example = guide.mid(start, guide.indexOf("\n### ", start + 1) - start);
    static const QRegularExpression row(QStringLiteral("^\\| (\\S+) \\| (\\S+) \\|$"),
                                        QRegularExpression::MultilineOption);
    WheelForm form;
    QHash<QString, QWidget*> named;
    for (QWidget* control : form.findChildren<QWidget*>())
      if (!control->accessibleName().isEmpty()) named.insert(control->accessibleName(), control);
    QHash<QString, QString> expected;
    for (const QRegularExpressionMatch& match : row.globalMatch(example)) {
      QWidget* control = named.value(match.captured(1));
      if (!control) continue;  // the table's heading
      auto* box = qobject_cast<QLineEdit*>(control);
      if (box && box->isReadOnly())
        expected.insert(match.captured(1), match.captured(2));
      else if (auto* list = qobject_cast<QComboBox*>(control); list && !list->isEditable())
        list->setCurrentText(match.captured(2));
      else
        type(control, match.captured(2));
    }
    QCOMPARE(expected.size(), 8);
    click(form, "calculate");
    for (auto result = expected.cbegin(); result != expected.cend(); ++result)
      QCOMPARE(qobject_cast<QLineEdit*>(named[result.key()])->text(), result.value());
  }

  void anyChangeEmptiesEveryResult_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : kInputs) QTest::newRow(name) << name;
    QTest::newRow("orderStep") << "orderStep";
  }
  void anyChangeEmptiesEveryResult() {
    QFETCH(QString, name);
    WheelForm form;
    typeWheel(form, kRoadRear);
    click(form, "calculate");
    QCOMPARE(shown(form, "rightShare"), "65.9%");
    QWidget* control = form.findChild<QWidget*>(name);
    if (name == "orderStep")
      qobject_cast<QComboBox*>(control)->setCurrentIndex(2);
    else
      type(control, "1");
    for (QLineEdit* box : form.findChildren<QLineEdit*>())
      if (box->isReadOnly()) QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
  }

  void aFailingSideIsReportedAfterTheOtherIsShown() {
    WheelForm form;
    typeWheel(form, kFront);
    type(form.findChild<QWidget*>("leftLacing"), "5X");
    click(form, "calculate");
    QCOMPARE(shown(form, "rightLength"), "290.22");
    QCOMPARE(shown(form, "leftLength"), "");
    QCOMPARE(shown(form, "leftShare"), "");
    QCOMPARE(reports_.size(), 1);
    QCOMPARE(reports_[0].first, 380);
    QVERIFY2(reports_[0].second.startsWith("左侧：无效的交织编法"), qPrintable(reports_[0].second));
  }

  void savedRimsAndHubsComeBackAndFillTheBoxes() {
    {
      WheelForm form;
      QVERIFY(!form.findChild<QPushButton*>("saveRim")->isEnabled());  // no name yet
      typeWheel(form, kRoadRear);
      type(form.findChild<QWidget*>("partName"), " 622 轮圈 ");
      click(form, "saveRim");
      type(form.findChild<QWidget*>("partName"), "公路后花鼓");
      click(form, "saveHub");
    }
    WheelForm form;  // as after the program was closed and opened again
    auto* rims = form.findChild<QComboBox*>("rims");
    auto* hubs = form.findChild<QComboBox*>("hubs");
    QCOMPARE(rims->count(), 1);
    QCOMPARE(rims->itemText(0), "622 轮圈");
    QCOMPARE(hubs->count(), 1);
    rims->activated(0);
    hubs->activated(0);
    const Wheel filled{"32", "600", "2.6", "45", "35", "3X", "45", "18", "3X"};
    for (int i = 0; i < filled.size(); ++i) {
      auto* control = form.findChild<QWidget*>(kInputs[i]);
      auto* list = qobject_cast<QComboBox*>(control);
      QCOMPARE(list ? list->currentText() : qobject_cast<QLineEdit*>(control)->text(), filled[i]);
    }
  }

  void exportedFileImportsAndADamagedOneChangesNothing() {
    QTemporaryDir folder;
    const QString file = folder.filePath("parts.json");
    {
      WheelForm form;
      typeWheel(form, kRoadRear);
      type(form.findChild<QWidget*>("partName"), "R");
      click(form, "saveRim");
      click(form, "saveHub");
      form.exportTo(file);
    }
    storeParts({});
    WheelForm form;
    form.importFrom(file);
    QCOMPARE(form.findChild<QComboBox*>("rims")->count(), 1);
    QCOMPARE(form.findChild<QComboBox*>("hubs")->count(), 1);
    const parts::Library stored = storedParts();
    QFile damaged(folder.filePath("damaged.json"));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("{\"format\": \"spokelength-parts\", \"version\": 1, \"rims\": [");
    damaged.close();
    for (const QString& path : {damaged.fileName(), folder.filePath("missing.json")}) {
      try {
        form.importFrom(path);
        QFAIL("imported");
      } catch (const runtime::RuntimeError& error) {
        QVERIFY(error.number() == runtime::ErrorNumber::BadFileFormat ||
                error.number() == runtime::ErrorNumber::FileAccess);
      }
    }
    QVERIFY(storedParts() == stored);
    QCOMPARE(form.findChild<QComboBox*>("rims")->count(), 1);
    QVERIFY_THROWS_EXCEPTION(runtime::RuntimeError, form.exportTo(folder.filePath("no/such.json")));
  }

  void buildSheetHoldsEveryResultOnOneA4Page() {
    WheelForm form;
    typeWheel(form, kRoadRear);
    click(form, "calculate");
    const QString sheet = form.buildSheet();
    for (const QString& text :
         {QString("左侧订购长度"), QString("292"), QString("290"), QString("65.9%"),
          QString("3.5°"), QString("45"), QDate::currentDate().toString(Qt::ISODate)})
      QVERIFY2(sheet.contains(text), qPrintable(text));
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(folder.filePath("sheet.pdf"));
    form.printSheet(printer);
    QFile pdf(folder.filePath("sheet.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(
        bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page>"),
        1);
  }

  // Every box and result is named as a screen reader says it, by the label beside it.
  void everyControlIsNamedByItsLabel() {
    WheelForm form;
    QStringList names;
    for (const QLabel* label : form.findChildren<QLabel*>()) {
      if (!label->buddy()) continue;
      QAccessibleInterface* control = QAccessible::queryAccessibleInterface(label->buddy());
      QVERIFY(!control->relations(QAccessible::Label).isEmpty());
      names << control->text(QAccessible::Name);
    }
    for (const char* name :
         {"钢线数", "有效轮圈直径", "花鼓辐条孔直径", "左侧花鼓直径", "左侧花鼓中心偏移量",
          "左侧交织编法", "右侧花鼓直径", "右侧花鼓中心偏移量", "右侧交织编法", "订购步长",
          "左侧钢线长度", "右侧钢线长度", "左侧订购长度", "右侧订购长度", "左侧张力比例",
          "右侧张力比例", "左侧支撑角", "右侧支撑角"})
      QVERIFY2(names.contains(name), qPrintable(name));
  }

  void tabVisitsTheInputsInReadingOrder() {
    WheelForm form;
    host::showStartupForm(form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QStringList visited;
    for (int i = 0; i < 13; ++i) {
      visited << QApplication::focusWidget()->objectName();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, (QStringList{"spokeCount", "rimDiameter", "holeDiameter", "orderStep",
                                   "leftFlangeDiameter", "rightFlangeDiameter", "leftCentreOffset",
                                   "rightCentreOffset", "leftLacing", "rightLacing", "calculate",
                                   "printSheet", "leftLength"}));
  }

  void everyTextReadsInALightAndADarkPalette_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("default") << QPalette();
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x32, 0x32, 0x32));
    dark.setColor(QPalette::WindowText, QColor(0xf0, 0xf0, 0xf0));
    dark.setColor(QPalette::ToolTipBase, QColor(0x2a, 0x2e, 0x32));
    dark.setColor(QPalette::ToolTipText, QColor(0xfc, 0xfc, 0xfc));
    QTest::newRow("dark") << dark;
  }
  void everyTextReadsInALightAndADarkPalette() {
    QFETCH(QPalette, palette);
    WheelForm form;
    form.setPalette(palette);
    const QColor navy(0, 0, 128);  // the main window's labels', where it reads
    for (const QLabel* label : form.findChildren<QLabel*>()) {
      QVERIFY2(contrastRatio(label->palette().color(QPalette::WindowText),
                             label->palette().color(QPalette::Window)) >= kReadableContrast,
               qPrintable(label->objectName()));
      if (contrastRatio(navy, palette.color(QPalette::Window)) >= kReadableContrast)
        QCOMPARE(label->palette().color(QPalette::WindowText), navy);
    }
    for (const QLineEdit* box : form.findChildren<QLineEdit*>())
      QVERIFY2(contrastRatio(box->palette().color(QPalette::Text),
                             box->palette().color(QPalette::Base)) >= kReadableContrast,
               qPrintable(box->objectName()));
  }

 private:
  QList<QPair<int, QString>> reports_;
};

QTEST_MAIN(WheelFormTest)
#include "wheelform_test.moc"
