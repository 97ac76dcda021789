// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole clicks on the real window (offscreen): from the click on 计算 to the result box holding
// its text, for the worked example and with a megabyte pasted into each box in turn.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "host/application.h"
#include "host/errorreport.h"
#include "ui/form1.h"

namespace {

void typeWorkedExample(Form1& form) {
  form.findChild<QComboBox*>("Co1")->setEditText(QStringLiteral("36"));
  form.findChild<QLineEdit*>("Te1")->setText(QStringLiteral("600"));
  form.findChild<QLineEdit*>("Te2")->setText(QStringLiteral("45"));
  form.findChild<QLineEdit*>("Te3")->setText(QStringLiteral("35"));
  form.findChild<QLineEdit*>("Te4")->setText(QStringLiteral("2.6"));
}

void clickCalculate(Form1& form, benchmark::State& state) {
  auto* calculate = form.findChild<QPushButton*>("Command1");
  auto* result = form.findChild<QLineEdit*>("Te5");
  for (auto _ : state) {
    QTest::mouseClick(calculate, Qt::LeftButton);
    benchmark::DoNotOptimize(result->text());
  }
}

void ClickCalculate(benchmark::State& state) {
  Form1 form;
  typeWorkedExample(form);
  clickCalculate(form, state);
  if (form.findChild<QLineEdit*>("Te5")->text() != QStringLiteral("290.22"))
    state.SkipWithError("the worked example did not give 290.22");
}
BENCHMARK(ClickCalculate);

// A megabyte pasted into one box (Co1, Co2, Te1 to Te4 in turn), which keeps all of it.
void ClickWithMegabytePasted(benchmark::State& state) {
  static const char* const kBoxes[] = {"Co1", "Co2", "Te1", "Te2", "Te3", "Te4"};
  Form1 form;
  typeWorkedExample(form);
  const QString paste = QString(1 << 20, u'7').replace(1000, 1, u'.');
  QWidget* box = form.findChild<QWidget*>(kBoxes[state.range(0)]);
  if (auto* combo = qobject_cast<QComboBox*>(box)) {
    combo->setCurrentIndex(-1);
    combo->setEditText(paste);
  } else {
    qobject_cast<QLineEdit*>(box)->setText(paste);
  }
  state.SetLabel(kBoxes[state.range(0)]);
  clickCalculate(form, state);
}
BENCHMARK(ClickWithMegabytePasted)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  host::prepareApplication();
  host::setErrorReporter([](QWidget&, const runtime::RuntimeError&) {});
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
