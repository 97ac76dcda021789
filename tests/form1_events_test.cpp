// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's buttons, driven by simulated clicks and keys, and its reports of errors.
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHash>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>
#include <algorithm>
#include <vector>

#include "engine/messages.h"
#include "host/application.h"
#include "host/errorreport.h"
#include "host/startup.h"
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
  // One notch of the wheel, down, with the pointer over `widget`, delivered as the toolkit
  // delivers the system's: to the widget, then to each parent while none takes it.
  static void wheel(QWidget* widget) {
    const QPointF global = widget->mapToGlobal(QPointF(widget->width(), widget->height()) / 2);
    for (QWidget* target = widget; target; target = target->parentWidget()) {
      QWheelEvent notch(target->mapFromGlobal(global), global, {}, {0, -120}, Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
      QCoreApplication::sendEvent(target, &notch);
      if (notch.isAccepted() || target->isWindow()) break;
    }
  }
  static void pickLacing(Form1& form, int index) {
    form.findChild<QComboBox*>("Co2")->setCurrentIndex(index);
  }

 private slots:
  void initTestCase() {
    host::prepareApplication();
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
  }
  void init() {
    reports_.clear();
    host::setErrorReporter([this](QWidget&, const runtime::RuntimeError& error) {
      reports_.push_back(
          {static_cast<int>(error.number()), QString::fromStdString(error.message())});
    });
  }

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

  void workedExampleClickedIntoTheHintsGivesItsLength() {
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    for (const auto& [box, typed] :
         {std::pair{"Te1", "600"}, {"Te2", "45"}, {"Te3", "35"}, {"Te4", "2.6"}}) {
      auto* edit = form.findChild<QLineEdit*>(box);
      QTest::mouseClick(edit, Qt::LeftButton);
      QCoreApplication::processEvents();
      QTest::keyClicks(edit, typed);
    }
    click(form, "Command1");
    QCOMPARE(form.formState().te5, QString("290.22"));
  }

  // The user guide's table of messages holds every message the engine raises, with its number,
  // as the engine words it ("…" for what the user typed), and no other; the guards that no input
  // reaches stay out. The guide names each number's title.
  void guideListsEveryMessageAsTheEngineWordsIt() {
    QFile file(QStringLiteral(":/guide.md"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString guide = QString::fromUtf8(file.readAll());
    static const QRegularExpression messageRow(QStringLiteral("^\\| 错误 ([^：]+)：([^|]+?) \\|"),
                                               QRegularExpression::MultilineOption);
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QMultiHash<QString, int> listed;  // text → the numbers its row gives
    for (const QRegularExpressionMatch& row : messageRow.globalMatch(guide))
      for (const QRegularExpressionMatch& n : number.globalMatch(row.captured(1)))
        listed.insert(row.captured(2), n.captured().toInt());
    QMultiHash<QString, int> raised;
    for (const runtime::Message* message : runtime::messages::kAll) {
      const QString text = QString::fromUtf8(message->text.data(), qsizetype(message->text.size()))
                               .replace(QStringLiteral("{}"), QStringLiteral("…"));
      if (message->guard) {
        QVERIFY2(!guide.contains(text), qPrintable(text));
        continue;
      }
      raised.insert(text, static_cast<int>(message->number));
      const std::string_view title = runtime::titleOf(message->number);
      if (!title.empty())
        QVERIFY(
            guide.contains("“" + QString::fromUtf8(title.data(), qsizetype(title.size())) + "：”"));
    }
    for (const QString& text : raised.uniqueKeys()) {
      QList<int> guideNumbers = listed.values(text), engineNumbers = raised.values(text);
      std::sort(guideNumbers.begin(), guideNumbers.end());
      std::sort(engineNumbers.begin(), engineNumbers.end());
      QCOMPARE(guideNumbers, engineNumbers);
    }
    QCOMPARE(listed.uniqueKeys().size(), raised.uniqueKeys().size());
  }

  // The user guide's worked example, typed into the window as it stands there, gives the result
  // the guide shows.
  void guideWorkedExampleGivesItsResult() {
    QFile guide(QStringLiteral(":/guide.md"));
    QVERIFY(guide.open(QIODevice::ReadOnly | QIODevice::Text));
    const QHash<QString, QString> boxByLabel{{"钢 线 数", "Co1"},       {"交织编法", "Co2"},
                                             {"有效轮圈直径", "Te1"},   {"花鼓直径", "Te2"},
                                             {"花鼓中心偏移量", "Te3"}, {"花鼓辐条孔直径", "Te4"},
                                             {"钢线长度", "Te5"}};
    static const QRegularExpression tableRow(
        QStringLiteral("^\\|\\s*([^|]+?)\\s*\\|\\s*([^|]+?)\\s*\\|$"));
    QHash<QString, QString> example;  // box → the guide's text for it
    for (const QString& line : QString::fromUtf8(guide.readAll()).split('\n')) {
      const QRegularExpressionMatch row = tableRow.match(line.trimmed());
      if (row.hasMatch() && boxByLabel.contains(row.captured(1)))
        example.insert(boxByLabel[row.captured(1)], row.captured(2));
    }
    QCOMPARE(example.size(), boxByLabel.size());
    Form1 form;
    for (const char* box : {"Co1", "Co2", "Te1", "Te2", "Te3", "Te4"})
      type(form.findChild<QWidget*>(box), example[box]);
    click(form, "Command1");
    QCOMPARE(form.formState().te5, example["Te5"]);
    QVERIFY(reports_.empty());
  }

  void enterPressesTheFocusedButtonOnly_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("result");
    QTest::newRow("Enter on 计算") << "Command1" << int(Qt::Key_Return) << "290.22";
    QTest::newRow("keypad Enter on 计算") << "Command1" << int(Qt::Key_Enter) << "290.22";
    QTest::newRow("Enter on 清空") << "Command2" << int(Qt::Key_Return) << "";
    QTest::newRow("Enter in a box") << "Te4" << int(Qt::Key_Return) << "1.";
  }
  void enterPressesTheFocusedButtonOnly() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, result);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    typeWheel(form, "36");
    form.findChild<QLineEdit*>("Te5")->setText("1.");
    auto* target = form.findChild<QWidget*>(focus);
    target->setFocus();
    const auto modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyClick(target, Qt::Key(key), modifiers);
    QCOMPARE(form.formState().te5, result);
  }

  void undoBringsBackTheItemTypedOver() {
    Form1 form;
    auto* lacing = form.findChild<QComboBox*>("Co2");
    lacing->setCurrentIndex(2);
    type(lacing, "4");
    QCOMPARE(form.formState().co2ListIndex, std::int16_t{-1});
    QTest::keyClick(lacing->lineEdit(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(form.formState().co2, QString("2X"));
    QCOMPARE(form.formState().co2ListIndex, std::int16_t{2});
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

  void anyChangeOfAnInputEmptiesTheResult_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("change");
    QTest::newRow("typing") << "Te1"
                            << "typing";
    QTest::newRow("paste") << "Te3"
                           << "paste";
    QTest::newRow("undo") << "Te4"
                          << "undo";
    QTest::newRow("picking the next spoke count") << "Co1"
                                                  << "down";
    QTest::newRow("picking the next lacing") << "Co2"
                                             << "down";
    QTest::newRow("wheel over the focused lacing") << "Co2"
                                                   << "wheel";
    QTest::newRow("typing a lacing") << "Co2"
                                     << "typing";
    QTest::newRow("a failed calculation") << "Co1"
                                          << "failed calculation";
  }
  void anyChangeOfAnInputEmptiesTheResult() {
    QFETCH(QString, box);
    QFETCH(QString, change);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    typeWheel(form, "36");
    click(form, "Command1");
    QCOMPARE(form.formState().te5, QString("290.22"));
    auto* combo = form.findChild<QComboBox*>(box);
    QLineEdit* edit = combo ? combo->lineEdit() : form.findChild<QLineEdit*>(box);
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->end(false);
    if (change == "typing") {
      QTest::keyClick(edit, Qt::Key_1);
    } else if (change == "paste") {
      QGuiApplication::clipboard()->setText("5");
      QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    } else if (change == "undo") {
      QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    } else if (change == "down") {
      QTest::keyClick(edit, Qt::Key_Down);
    } else if (change == "wheel") {
      wheel(edit);
    } else {
      type(combo, "");
      typeWheel(form, "36");
      click(form, "Command1");  // computes, and then shows 290.22 again
      type(combo, "0");
      click(form, "Command1");
      QCOMPARE(reports_.size(), 1u);
    }
    QVERIFY2(form.formState().te5.isEmpty(), qPrintable(form.formState().te5));
  }

  void aLongPasteIsKeptWhole() {
    Form1 form;
    typeWheel(form, "36");
    auto* erd = form.findChild<QLineEdit*>("Te1");
    QGuiApplication::clipboard()->setText(QString(99'997, u' ') + "600");  // its last 0 counts
    erd->setFocus();
    erd->selectAll();
    QTest::keyClick(erd, Qt::Key_V, Qt::ControlModifier);
    click(form, "Command1");
    QCOMPARE(form.formState().te5, QString("290.22"));
  }

  void wheelOverAListWithoutTheFocusChangesNothing() {
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    typeWheel(form, "36");
    click(form, "Command1");
    form.findChild<QLineEdit*>("Te1")->setFocus();
    const FormState before = form.formState();
    for (const char* list : {"Co1", "Co2"}) {
      auto* combo = form.findChild<QComboBox*>(list);
      wheel(combo->lineEdit());
      wheel(combo);  // over its arrow
    }
    QCOMPARE(form.formState(), before);
    QVERIFY(form.findChild<QLineEdit*>("Te1")->hasFocus());
  }

  void errorDialogShowsTheNumberAndTheMessage_data() {
    QTest::addColumn<QString>("spokes");
    QTest::addColumn<QString>("lacing");
    QTest::addColumn<QString>("text");  // the dialog's, whole
    QTest::newRow("11") << ""
                        << "3X"
                        << "错误 11\n\n除数为零：钢线数为 0（空白或不是数字时也按 0 计算），"
                           "无法计算辐条的交叉角度。请输入钢线数。";
    QTest::newRow("6") << "1e400"
                       << "3X"
                       << "错误 6\n\n溢出：输入的数字太大，超出了能计算的范围。";
    QTest::newRow("380") << "36"
                         << "5X"
                         << "错误 380\n\n无效的交织编法：“\u20685X\u2069”。请从列表中选择，"
                            "或输入 直拉、1X、2X、3X、4X，或交叉数 0 到 4。";
    QTest::newRow("7") << "out of memory"
                       << "3X"
                       << "错误 7\n\n内存不足：输入的文字太长，无法计算。";
  }
  void errorDialogShowsTheNumberAndTheMessage() {
    QFETCH(QString, spokes);
    QFETCH(QString, lacing);
    QFETCH(QString, text);
    host::setErrorReporter({});  // the real dialog; init() sets the recorder again
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    typeWheel(form, spokes);
    type(form.findChild<QWidget*>("Co2"), lacing);
    QString title, shown;
    QStringList buttons;
    const QWidget* owner = nullptr;
    bool fillsTheScreen = false;  // when a desktop maximises it anyway
    QTimer poll;                  // reads the dialog while it is open, then closes it
    connect(&poll, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      poll.stop();
      title = box->windowTitle();
      shown = box->text();
      for (const QAbstractButton* button : box->buttons()) buttons << button->text();
      owner = box->parentWidget();
      box->windowHandle()->setWindowStates(Qt::WindowMaximized);
      fillsTheScreen = box->maximumSize() == QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
      box->accept();
    });
    poll.start(10);
    if (spokes == "out of memory")
      host::runHandler(form, [] { throw std::bad_alloc(); });
    else
      click(form, "Command1");
    QCOMPARE(title, host::programTitle());
    QCOMPARE(shown, text);
    QCOMPARE(buttons, QStringList{"确定"});
    QCOMPARE(owner, &form);
    QVERIFY(fillsTheScreen);
  }

  void typedLacingIsTakenForTheItemItNames_data() {
    QTest::addColumn<QString>("lacing");
    QTest::addColumn<QString>("length");
    QTest::newRow("radial") << "直拉"
                            << "278.4";
    QTest::newRow("one cross") << "1x"
                               << "279.85";
    QTest::newRow("full width") << "３Ｘ"
                                << "290.22";
  }
  void typedLacingIsTakenForTheItemItNames() {
    QFETCH(QString, lacing);
    QFETCH(QString, length);
    Form1 form;
    typeWheel(form, "36");
    type(form.findChild<QWidget*>("Co2"), lacing);
    click(form, "Command1");
    QCOMPARE(form.formState().te5, length);
    QVERIFY(reports_.empty());
  }

  void unknownTypedLacingIsReported_data() {
    QTest::addColumn<QString>("lacing");
    QTest::addColumn<QString>("quoted");  // as the message shows it, between isolates
    QTest::newRow("five crosses") << "5X"
                                  << "5X";
    QTest::newRow("accent at the cut")
        << QString(19, 'x') + "e\u0301zz" << QString(19, 'x') + "e\u0301…";
  }
  void unknownTypedLacingIsReported() {
    QFETCH(QString, lacing);
    QFETCH(QString, quoted);
    Form1 form;
    typeWheel(form, "36");
    type(form.findChild<QWidget*>("Co2"), lacing);
    const FormState before = form.formState();
    click(form, "Command1");
    QCOMPARE(reports_.size(), 1u);
    QCOMPARE(reports_.front().number, 380);
    const QString& message = reports_.front().message;
    QVERIFY2(message.contains("“\u2068" + quoted + "\u2069”"), qPrintable(message));
    QVERIFY(message.isValidUtf16() && !message.contains(QChar::ReplacementCharacter));
    QVERIFY(message.size() < 120);
    QCOMPARE(form.formState(), before);
  }

  void clickIntoAHintAndTypeReplacesIt_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("before");  // the box's text before the click
    QTest::addColumn<QString>("after");   // after a click at its end and typing "6"
    QTest::newRow("ERD") << "Te1"
                         << "ERD"
                         << "6";
    QTest::newRow("d") << "Te2"
                       << "d"
                       << "6";
    QTest::newRow("S") << "Te4"
                       << "S"
                       << "6";
    QTest::newRow("edited") << "Te1"
                            << "ERD1"
                            << "ERD16";
    QTest::newRow("no hint") << "Te3"
                             << "35"
                             << "356";
  }
  void clickIntoAHintAndTypeReplacesIt() {
    QFETCH(QString, box);
    QFETCH(QString, before);
    QFETCH(QString, after);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* edit = form.findChild<QLineEdit*>(box);
    edit->clear();  // from nothing, a text is no insertion into the hint
    edit->setText(before);
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 4, edit->height() / 2));
    QTRY_VERIFY(edit->hasFocus());
    QCoreApplication::processEvents();
    QTest::keyClick(edit, Qt::Key_6);
    QCoreApplication::processEvents();  // a replacement of the hint is queued
    QCOMPARE(edit->text(), after);
  }

  // A desktop may maximise the fixed-size window or show it full screen (its title bar, when the
  // toolkit draws it, offers that whatever the window's hints say): the window then takes the
  // size given, and its own size again once restored.
  void windowFillsTheScreenOnlyWhileAsked() {
    Form1 form;
    host::showStartupForm(form);
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QSize fixed = form.size();
    for (const Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
      form.windowHandle()->setWindowStates(state);
      QVERIFY(form.maximumSize().width() > fixed.width());
      QVERIFY(form.maximumSize().height() > fixed.height());
      form.windowHandle()->setWindowStates(Qt::WindowNoState);
      QTRY_COMPARE(form.maximumSize(), fixed);
      QCOMPARE(form.size(), fixed);
    }
  }

  // A loaded machine, a remote desktop or an input method may deliver the keys typed after Tab in
  // one batch with the focus, before anything the focus queued has run.
  void keysBatchedWithTheFocusAreKept_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("before");  // the box in front of it in the tab order
    QTest::newRow("ERD") << "Te1"
                         << "Co1";
    QTest::newRow("d") << "Te2"
                       << "Te1";
    QTest::newRow("S") << "Te4"
                       << "Te3";
  }
  void keysBatchedWithTheFocusAreKept() {
    QFETCH(QString, box);
    QFETCH(QString, before);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.findChild<QWidget*>(before)->setFocus();
    QCoreApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "600");
    QCoreApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Period);
    QCOMPARE(form.findChild<QLineEdit*>(box)->text(), QString("600."));
  }

  void typingRightAfterStartReplacesTheSpokeCount_data() {
    QTest::addColumn<QString>("focus");  // how the spoke count gets the focus
    QTest::addColumn<QString>("after");  // its text after typing "32"
    QTest::newRow("start-up") << "start-up"
                              << "32";
    QTest::newRow("Shift+Tab from the ERD box") << "backtab"
                                                << "32";
    QTest::newRow("click after the text") << "click"
                                          << "3632";
  }
  void typingRightAfterStartReplacesTheSpokeCount() {
    QFETCH(QString, focus);
    QFETCH(QString, after);
    Form1 form;
    host::showStartupForm(form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QLineEdit* spokes = form.findChild<QComboBox*>("Co1")->lineEdit();
    if (focus == "backtab") {
      form.findChild<QLineEdit*>("Te1")->setFocus();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    } else if (focus == "click") {
      QTest::mouseClick(spokes, Qt::LeftButton, {},
                        QPoint(spokes->width() - 4, spokes->height() / 2));
    }
    QTRY_VERIFY(spokes->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), "32");
    QCOMPARE(form.formState().co1, after);
  }

  void whateverIsInsertedIntoAHintReplacesIt_data() {
    QTest::addColumn<QString>("means");
    QTest::addColumn<QString>("before");  // the box's text before
    QTest::addColumn<QString>("after");   // after inserting "600" at the end
    QTest::newRow("typed after the hint") << "typing"
                                          << "ERD"
                                          << "600";
    QTest::newRow("Ctrl+V") << "Ctrl+V"
                            << "ERD"
                            << "600";
    QTest::newRow("drop") << "drop"
                          << "ERD"
                          << "600";
    QTest::newRow("middle-click paste") << "middle click"
                                        << "ERD"
                                        << "600";
    QTest::newRow("a screen reader's insertion") << "accessibility"
                                                 << "ERD"
                                                 << "600";
    QTest::newRow("edited box, typed") << "typing"
                                       << "ERD1"
                                       << "ERD1600";
    QTest::newRow("edited box, dropped") << "drop"
                                         << "ERD1"
                                         << "ERD1600";
  }
  void whateverIsInsertedIntoAHintReplacesIt() {
    QFETCH(QString, means);
    QFETCH(QString, before);
    QFETCH(QString, after);
    if (means == "middle click" && !QGuiApplication::clipboard()->supportsSelection())
      QSKIP("this platform has no selection to paste with the middle button");
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* edit = form.findChild<QLineEdit*>("Te1");
    edit->clear();  // from nothing, a text is no insertion into the hint
    edit->setText(before);
    const QPoint end(edit->width() - 4, edit->height() / 2);
    if (means == "accessibility") {
      QAccessible::queryAccessibleInterface(edit)->editableTextInterface()->insertText(
          int(before.size()), "600");
    } else if (means == "typing") {
      edit->setFocus();
      QCoreApplication::processEvents();
      edit->end(false);
      QTest::keyClicks(edit, "600");
    } else if (means == "Ctrl+V") {
      QGuiApplication::clipboard()->setText("600");
      edit->setFocus();
      edit->end(false);
      QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    } else if (means == "middle click") {
      QGuiApplication::clipboard()->setText("600", QClipboard::Selection);
      QTest::mouseClick(edit, Qt::MiddleButton, {}, end);
    } else {
      QMimeData data;
      data.setText("600");
      QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, {});
      QCoreApplication::sendEvent(edit, &enter);
      QDragMoveEvent move(end, Qt::CopyAction, &data, Qt::LeftButton, {});
      QCoreApplication::sendEvent(edit, &move);
      QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, {});
      QCoreApplication::sendEvent(edit, &drop);
    }
    QTRY_COMPARE(edit->text(), after);
    QCoreApplication::processEvents();  // a replacement of the hint is queued: it ran, or none was
    QCOMPARE(edit->text(), after);
  }

  void doubleClickSelectsTheWholeNumber_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("at");  // the character double-clicked
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("locale");
    QTest::newRow("result") << "Te5"
                            << "290.22" << 1 << "290.22"
                            << "zh_CN";
    QTest::newRow("result's fraction") << "Te5"
                                       << "290.22" << 4 << "290.22"
                                       << "zh_CN";
    QTest::newRow("exponent") << "Te3"
                              << "-1.5E+3" << 2 << "-1.5E+3"
                              << "zh_CN";
    QTest::newRow("full width") << "Te4"
                                << "２．６" << 0 << "２．６"
                                << "zh_CN";
    QTest::newRow("number after letters") << "Te1"
                                          << "ERD600" << 4 << "600"
                                          << "zh_CN";
    QTest::newRow("spoke count") << "Co1"
                                 << "36" << 0 << "36"
                                 << "zh_CN";
    QTest::newRow("word") << "Te1"
                          << "ERD" << 1 << "ERD"
                          << "zh_CN";
    QTest::newRow("bare point") << "Te5"
                                << "295." << 1 << "295."
                                << "zh_CN";
    QTest::newRow("inner blank") << "Co1"
                                 << "3 6" << 0 << "3 6"
                                 << "zh_CN";
    QTest::newRow("invisible inside") << "Te1"
                                      << "6\u200B00" << 0 << "6\u200B00"
                                      << "zh_CN";
    QTest::newRow("hexadecimal") << "Te3"
                                 << "&H1F" << 2 << "&H1F"
                                 << "zh_CN";
    QTest::newRow("emoji before") << "Te3"
                                  << "\U0001F600 35" << 3 << "35"
                                  << "zh_CN";
    QTest::newRow("result in a comma locale") << "Te5"
                                              << "290,22" << 1 << "290,22"
                                              << "de_DE";
    QTest::newRow("result's fraction in a comma locale") << "Te5"
                                                         << "290,22" << 4 << "290,22"
                                                         << "de_DE";
    QTest::newRow("typed comma") << "Te4"
                                 << "2,6" << 0 << "2"
                                 << "de_DE";
  }

  void doubleClickSelectsTheWholeNumber() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(int, at);
    QFETCH(QString, selected);
    QFETCH(QString, locale);
    Form1 form;
    form.setLocale(QLocale(locale));
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* combo = form.findChild<QComboBox*>(box);
    auto* edit = combo ? combo->lineEdit() : form.findChild<QLineEdit*>(box);
    edit->setText(text);
    edit->setCursorPosition(at);
    const QRect before = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    edit->setCursorPosition(at + 1);
    const QPoint middle((before.center().x() +
                         edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x()) /
                            2,
                        edit->height() / 2);
    QTest::mouseDClick(edit, Qt::LeftButton, {}, middle);
    QCOMPARE(edit->selectedText(), selected);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), selected);
  }
};

QTEST_MAIN(Form1EventsTest)
#include "form1_events_test.moc"
