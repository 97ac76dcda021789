// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as it opens: contents, keyboard order, fonts, pictures and icon.
#include <QAccessible>
#include <QComboBox>
#include <QDirIterator>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRawFont>
#include <QTextLayout>
#include <QtTest>
#include <cmath>
#include <memory>

#include "engine/lacing.h"
#include "engine/messages.h"
#include "host/application.h"
#include "host/errorreport.h"
#include "host/startup.h"
#include "ui/contrast.h"
#include "ui/form1.h"
#include "ui/picture.h"
#ifdef WITH_DRAWINGS
#include "packaging/drawings.h"
#endif

namespace {

// The font that draws the first character of `text` in `font`, fallbacks included.
QRawFont drawingFont(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  return layout.glyphRuns().value(0).rawFont();
}

// Whether every glyph that draws `text` in `font`, fallbacks included, is a real one: none is the
// empty box that stands for a missing character.
bool drawnWithGlyphs(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  for (const QGlyphRun& run : layout.glyphRuns())
    if (run.glyphIndexes().contains(0)) return false;
  return !layout.glyphRuns().isEmpty();
}

// A menu item's text as drawn: without its mnemonic marker and shortcut.
QString shownText(const QAction* action) {
  return action->text().section(u'\t', 0, 0).remove(u'&');
}

// The characters beyond ASCII of the program's string literals: its messages, titles and texts.
QString literalCharacters() {
  static const QRegularExpression literal(QStringLiteral("\"(?:[^\"\\\\\\n]|\\\\.)*\""));
  QString characters;
  for (const char* folder : {"app", "engine", "host", "ui"}) {
    QDirIterator files(QStringLiteral(SOURCE_DIR "/") + folder, {"*.cpp", "*.h"}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
      QFile file(files.next());
      if (!file.open(QIODevice::ReadOnly)) return {};
      for (const auto& match : literal.globalMatch(QString::fromUtf8(file.readAll())))
        for (const QChar c : match.captured())
          if (c.unicode() > 0x7F) characters += c;
    }
  }
  return characters;
}

// The active colours of a qt6ct colour scheme file, in the order of QPalette's colour roles.
QPalette schemePalette(const QString& file) {
  QSettings scheme(file, QSettings::IniFormat);
  const QStringList colours = scheme.value("ColorScheme/active_colors").toStringList();
  QPalette palette;
  for (int role = 0; role < colours.size() && role < QPalette::NColorRoles; ++role)
    palette.setColor(QPalette::ColorRole(role), QColor(colours[role].trimmed()));
  return palette;
}

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { host::prepareApplication(); }

  void opensWithItsInitialContents() {
    Form1 form;
    const FormState expected{"36", "3X", 3, "ERD", "d", "", "S", ""};
    QCOMPARE(form.formState(), expected);
  }

  void listsHoldTheirItemsInOrder_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("spoke count") << "Co1"
                                 << QStringList{"16", "20", "24", "28", "32", "36", "40", "48"};
    QStringList lacings;  // the engine's, which reads what is typed by them
    for (const std::string_view lacing : runtime::kLacings)
      lacings << QString::fromUtf8(lacing.data(), qsizetype(lacing.size()));
    QTest::newRow("lacing") << "Co2" << lacings;
  }
  void listsHoldTheirItemsInOrder() {
    QFETCH(QString, name);
    QFETCH(QStringList, items);
    Form1 form;
    auto* combo = form.findChild<QComboBox*>(name);
    QStringList actual;
    for (int i = 0; i < combo->count(); ++i) actual << combo->itemText(i);
    QCOMPARE(actual, items);
  }

  void typingIntoAListDeselectsItsItem() {
    Form1 form;
    auto* co2 = form.findChild<QComboBox*>("Co2");
    co2->lineEdit()->selectAll();
    QTest::keyClicks(co2->lineEdit(), "2x");
    QCOMPARE(form.formState().co2, QString("2x"));
    QCOMPARE(form.formState().co2ListIndex, std::int16_t{-1});
    QTest::keyClicks(co2->lineEdit(), "y");
    QCOMPARE(form.formState().co2, QString("2xy"));
    QCOMPARE(co2->count(), 5);
  }

  void tabVisitsTheControlsInOrder() {
    Form1 form;
    host::showStartupForm(form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QStringList visited;
    for (int i = 0; i < 10; ++i) {
      visited << QApplication::focusWidget()->objectName();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, (QStringList{"Co1", "Te1", "Te2", "Te3", "Te4", "Command1", "Command2", "Co2",
                                   "Te5", "Co1"}));
  }

  void windowTextsAreDrawnWithTheCarriedFonts() {
    Form1 form;
    for (const QWidget* control : form.findChildren<QWidget*>()) {
      QStringList texts;
      if (const auto* label = qobject_cast<const QLabel*>(control)) texts << label->text();
      if (const auto* button = qobject_cast<const QPushButton*>(control)) texts << button->text();
      if (const auto* box = qobject_cast<const QLineEdit*>(control)) texts << box->text();
      if (const auto* list = qobject_cast<const QComboBox*>(control))
        for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
      const bool song = control->font().family() == "宋体";
      for (const QChar c : texts.join(QString())) {
        if (!song && c.unicode() < 128) continue;  // the user-interface font's own
        const QString family = drawingFont(c, control->font()).familyName();
        QVERIFY2(family.startsWith("Spokelength ", Qt::CaseInsensitive),
                 qPrintable(control->objectName() + ": " + c + " is drawn with " + family));
      }
    }
  }

  void carriedFontsHoldEveryTextTheProgramShows_data() {
    QTest::addColumn<QString>("texts");
    Form1 form;
    QTest::newRow("string literals") << literalCharacters();
    QTest::newRow("the program's title") << host::programTitle();
    QString messages;
    for (const runtime::Message* message : runtime::messages::kAll) {
      const std::string_view title = runtime::titleOf(message->number);
      messages += QString::fromUtf8(title.data(), qsizetype(title.size())) + "：" +
                  QString::fromUtf8(message->text.data(), qsizetype(message->text.size()));
    }
    QTest::newRow("the engine's messages") << messages;
    QString menu;
    std::unique_ptr<QMenu> contextMenu(
        form.findChild<QLineEdit*>("Te1")->createStandardContextMenu());
    for (const QAction* action : contextMenu->actions()) menu += shownText(action);
    QTest::newRow("context menu") << menu;
    QString typed = QStringLiteral("\u3000\u3002");
    for (char16_t c = 0xFF01; c <= 0xFF5E; ++c) typed += QChar(c);
    QTest::newRow("full-width input") << typed;
  }
  void carriedFontsHoldEveryTextTheProgramShows() {
    QFETCH(QString, texts);
    QVERIFY(!texts.isEmpty());
    for (const char* file : {"serif-regular", "serif-bold", "sans-regular"}) {
      const QRawFont font(QStringLiteral(":/fonts/%1.otf").arg(file), 12);
      QVERIFY(font.isValid());
      for (const QChar c : texts)
        if (c.unicode() > 0x7F && c.category() != QChar::Other_Format)
          QVERIFY2(font.supportsCharacter(c),
                   qPrintable(QStringLiteral("%1 lacks %2: run scripts/make-fonts").arg(file, c)));
    }
  }

  // Also run under a fontconfig that knows DejaVu alone: the carried fonts draw everything.
  void shownTextsHaveGlyphs() {
    if (qEnvironmentVariableIsSet("FONTCONFIG_FILE"))
      for (const QString& family : QFontDatabase::families(QFontDatabase::SimplifiedChinese))
        QVERIFY2(family.startsWith("Spokelength "), qPrintable(family + " is installed"));
    Form1 form;
    QList<std::pair<QString, QFont>> shown;
    auto* box = form.findChild<QLineEdit*>("Te1");
    auto* list = form.findChild<QComboBox*>("Co1");
    shown << std::pair{QStringLiteral("６００"), box->font()}
          << std::pair{QStringLiteral("６００"), list->font()};
    std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
    for (const QAction* action : menu->actions())
      if (!action->isSeparator()) shown << std::pair{shownText(action), menu->font()};
    QTimer::singleShot(0, [&shown] {  // the real error report, read while it is open
      QWidget* report = QApplication::activeModalWidget();
      for (const QLabel* label : report->findChildren<QLabel*>())
        if (!label->text().isEmpty()) shown << std::pair{label->text(), label->font()};
      for (const QPushButton* button : report->findChildren<QPushButton*>())
        shown << std::pair{button->text(), button->font()};
      report->close();
    });
    host::runHandler(form, [] { throw std::bad_alloc(); });
    QVERIFY(shown.size() > 10);
    for (const auto& [text, font] : shown)
      QVERIFY2(drawnWithGlyphs(text, font), qPrintable(text + " in " + font.family()));
  }

  void typedTextInAnyScriptIsDrawn() {
    QStringList systemChinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    systemChinese.removeIf([](const QString& family) { return family.startsWith("Spokelength "); });
    if (systemChinese.isEmpty()) QSKIP("no system font for other scripts here (Wine has none)");
    Form1 form;
    const QFont font = form.findChild<QLineEdit*>("Te1")->font();
    for (const QString text : {"鑫", "ß", "Ж", "한"})
      QVERIFY2(drawingFont(text, font).supportsCharacter(text.at(0)), qPrintable(text));
  }

  void toolkitTextsAreChinese() {
    Form1 form;
    std::unique_ptr<QMenu> menu(form.findChild<QLineEdit*>("Te1")->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) texts << action->text();
    QVERIFY2(texts.join(' ').contains("全选"), qPrintable(texts.join(' ')));
  }

  void buttonsDrawTheirChineseInSimplifiedForms() {
    Form1 form;
    const QString family =
        drawingFont(QStringLiteral("清"), form.findChild<QPushButton*>("Command2")->font())
            .familyName();
    QVERIFY2(family.endsWith(" SC", Qt::CaseInsensitive) ||
                 family.compare("Microsoft YaHei", Qt::CaseInsensitive) == 0,
             qPrintable(family));
  }

  void picturesLoadAndDescribeThemselves() {
    Form1 form;
    const auto pictures = form.findChildren<Picture*>();
    QCOMPARE(pictures.size(), 3);
    for (const Picture* picture : pictures) {
      QVERIFY2(picture->isLoaded(), qPrintable(picture->drawing()));
      QVERIFY(!picture->accessibleDescription().isEmpty());
    }
  }

  void picturesMatchTheDrawingsAtEveryScale_data() {
    QTest::addColumn<double>("scale");
    QTest::addColumn<bool>("rendered");  // whether pixels are rendered ahead for the scale
    for (const double scale : kRenderedScales) QTest::addRow("%g", scale) << scale << true;
    for (const double scale : {0.75, 1.75, 2.5}) QTest::addRow("%g", scale) << scale << false;
  }
  void picturesMatchTheDrawingsAtEveryScale() {
#ifndef WITH_DRAWINGS
    QSKIP("no vector renderer here: the drawings are compared where Qt Svg is");
#else
    QFETCH(double, scale);
    QFETCH(bool, rendered);
    Form1 form;
    for (const Picture* picture : form.findChildren<Picture*>()) {
      const QImage shown = drawingPixels(picture->drawing(), picture->size(), scale);
      const QImage fresh = renderDrawing(picture->drawing(), shown.size())
                               .convertToFormat(QImage::Format_Grayscale8);
      QCOMPARE(shown.size(), (QSizeF(picture->size()) * scale).toSize());
      if (rendered) {
        QVERIFY2(shown.convertToFormat(QImage::Format_Grayscale8) == fresh,
                 qPrintable(picture->drawing() + " differs from its rendered pixels: run "
                                                 "scripts/render-pictures"));
        continue;
      }
      // Scaled from the nearest larger rendering: close to a fresh rendering at the scale.
      const QImage grey = shown.convertToFormat(QImage::Format_Grayscale8);
      double difference = 0;
      for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x)
          difference += std::abs(grey.pixelColor(x, y).value() - fresh.pixelColor(x, y).value());
      const double mean = difference / (grey.width() * grey.height());
      QVERIFY2(mean < 4, qPrintable(QStringLiteral("%1: %2").arg(picture->drawing()).arg(mean)));
    }
#endif
  }

  void iconMatchesItsDrawing() {
#ifndef WITH_DRAWINGS
    QSKIP("no vector renderer here: the icon is compared where Qt Svg is");
#else
    const auto same = [](const QImage& a, const QImage& b) {
      return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
    };
    const QIcon icon = Form1().windowIcon();
    for (const int size : kIconSizes) {
      const QImage rendered(QStringLiteral(RENDERED_DIR "/calculator-%1.png").arg(size));
      const QImage fresh = size == kIconSizes.front() ? icon.pixmap(size).toImage()
                                                      : renderDrawing("calculator", {size, size});
      QVERIFY2(same(rendered, fresh), qPrintable(QString("icon at %1 px").arg(size)));
      QVERIFY(same(icon.pixmap(size).toImage(), fresh));
    }
#endif
  }

  void iconIsHandDrawnAtSixteenAndScalable() {
    Form1 form;
    const QIcon icon = form.windowIcon();
    const QImage small = icon.pixmap(QSize(16, 16)).toImage();
    QCOMPARE(small.size(), QSize(16, 16));
    QCOMPARE(qAlpha(small.pixel(0, 8)), 0);  // the outer columns are transparent
    QCOMPARE(qAlpha(small.pixel(15, 8)), 0);
    QCOMPARE(icon.pixmap(QSize(256, 256)).size(), QSize(256, 256));
  }

  void inputBoxesAreLabelledByTheirLabels() {
    Form1 form;
    int labelled = 0;
    for (auto* label : form.findChildren<QLabel*>()) {
      if (!label->buddy()) continue;
      QAccessibleInterface* box = QAccessible::queryAccessibleInterface(label->buddy());
      const auto relations = box->relations(QAccessible::Label);
      QVERIFY2(!relations.isEmpty(), qPrintable(label->buddy()->objectName()));
      QCOMPARE(relations.first().first->text(QAccessible::Name), label->text());
      ++labelled;
    }
    QCOMPARE(labelled, 7);
    for (const char* list : {"Co1", "Co2"}) {
      QLineEdit* edit = form.findChild<QComboBox*>(list)->lineEdit();
      QVERIFY(!QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name).isEmpty());
    }
  }

  // The page draws the window as it looks by default, in colours its styles state: they are the
  // window's (in the toolkit's own Fusion look for those that follow the palette).
  void pageTakesTheWindowsColours_data() {
    QTest::addColumn<QString>("property");  // of the page's styles
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("fixed");  // whatever the palette
    QTest::newRow("labels") << "--label"
                            << "Label1" << int(QPalette::WindowText) << true;
    QTest::newRow("result") << "--result"
                            << "Te5" << int(QPalette::Base) << true;
    QTest::newRow("result's text") << "--result-text"
                                   << "Te5" << int(QPalette::Text) << false;
    QTest::newRow("boxes") << "--box"
                           << "Te1" << int(QPalette::Base) << false;
    QTest::newRow("window") << "--window"
                            << "Form1" << int(QPalette::Window) << false;
  }
  void pageTakesTheWindowsColours() {
    QFETCH(QString, property);
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(bool, fixed);
    if (!fixed && QApplication::style()->name() != "fusion")
      QSKIP("the page follows the toolkit's Fusion look");
    QFile styles(QStringLiteral(SOURCE_DIR "/web/page.css"));
    QVERIFY(styles.open(QIODevice::ReadOnly));
    // The first statement of each is the light one.
    const QRegularExpressionMatch stated = QRegularExpression(property + ":\\s*(#[0-9a-f]{6});")
                                               .match(QString::fromUtf8(styles.readAll()));
    QVERIFY2(stated.hasMatch(), qPrintable(property));
    Form1 form;
    const QWidget* shown = control == "Form1" ? &form : form.findChild<QWidget*>(control);
    QCOMPARE(shown->palette().color(QPalette::ColorRole(role)).name(), stated.captured(1));
  }

  void everyTextReadsInEveryPalette_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<bool>("specifiedColours");  // whether labels and boxes keep them exactly
    QTest::newRow("default") << QPalette() << true;
    QPalette dark;  // as Qt's GTK platform theme gives Adwaita dark: light tooltips stay
    dark.setColor(QPalette::Window, QColor(0x32, 0x32, 0x32));
    dark.setColor(QPalette::WindowText, QColor(0xf0, 0xf0, 0xf0));
    dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    dark.setColor(QPalette::Text, QColor(0xf0, 0xf0, 0xf0));
    QTest::newRow("Adwaita dark") << dark << false;
    QPalette darkTooltips = dark;  // a dark colour scheme that also darkens tooltips
    darkTooltips.setColor(QPalette::ToolTipBase, QColor(0x2a, 0x2e, 0x32));
    darkTooltips.setColor(QPalette::ToolTipText, QColor(0xfc, 0xfc, 0xfc));
    QTest::newRow("dark tooltips") << darkTooltips << false;
    QPalette lightBlue;
    lightBlue.setColor(QPalette::Highlight, QColor(0x99, 0xc9, 0xef));
    QTest::newRow("light blue selection") << lightBlue << true;
    // The colour schemes that Debian's qt6ct offers (sand: dark tooltips with black text).
    const QDir schemes("/usr/share/qt6ct/colors", "*.conf");
#ifdef Q_OS_LINUX
    QVERIFY2(!schemes.isEmpty(), "qt6ct's colour schemes are not installed");
#endif
    for (const QString& file : schemes.entryList())
      QTest::newRow(qPrintable("qt6ct " + file)) << schemePalette(schemes.filePath(file)) << false;
  }
  void everyTextReadsInEveryPalette() {
    QFETCH(QPalette, palette);
    QFETCH(bool, specifiedColours);
    Form1 form;  // built in the default palette, then switched, as by a change of theme
    form.setPalette(palette);
    const auto ratio = [](const QWidget* widget, QPalette::ColorRole text,
                          QPalette::ColorRole background) {
      return contrastRatio(widget->palette().color(text), widget->palette().color(background));
    };
    for (const auto* label : form.findChildren<QLabel*>()) {
      if (!label->buddy()) continue;
      QVERIFY2(ratio(label, QPalette::WindowText, QPalette::Window) >= 4.5,
               qPrintable(label->objectName()));
      if (specifiedColours)
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    }
    for (const char* name : {"Te1", "Te4", "Co1", "Co2"}) {
      const auto* box = form.findChild<QWidget*>(name);
      QVERIFY2(ratio(box, QPalette::Text, QPalette::Base) >= 4.5, name);
      QCOMPARE(box->palette().color(QPalette::Base), palette.color(QPalette::ToolTipBase));
      if (specifiedColours)
        QCOMPARE(box->palette().color(QPalette::Text), palette.color(QPalette::Text));
    }
    const auto* result = form.findChild<QWidget*>("Te5");
    QCOMPARE(result->palette().color(QPalette::Base), QColor(255, 0, 0));
    qInfo() << "result" << result->palette().color(QPalette::Text).name()
            << "on red:" << ratio(result, QPalette::Text, QPalette::Base);
    QVERIFY(ratio(result, QPalette::Text, QPalette::Base) >= 4.5);
    // The selection's colour, darkened: its hue (within the rounding of dark colours) and never
    // lighter.
    const QColor highlight = palette.color(QPalette::Highlight);
    const QColor shown = result->palette().color(QPalette::Text);
    QVERIFY(shown.value() <= highlight.value());
    if (highlight.hsvHue() != -1)
      QVERIFY2(qAbs(shown.hsvHue() - highlight.hsvHue()) <= 6,
               qPrintable(shown.name() + " from " + highlight.name()));
  }

  void contrastRatioFollowsTheStandard_data() {
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("same colour") << QColor(0x30, 0x8c, 0xc6) << QColor(0x30, 0x8c, 0xc6) << 1.0;
    QTest::newRow("light blue on red") << QColor(0x30, 0x8c, 0xc6) << QColor(Qt::red) << 1.08;
    QTest::newRow("navy on red") << QColor(0, 0, 128) << QColor(Qt::red) << 4.00;
    QTest::newRow("black on red") << QColor(Qt::black) << QColor(Qt::red) << 5.25;
  }
  void contrastRatioFollowsTheStandard() {
    QFETCH(QColor, text);
    QFETCH(QColor, background);
    QFETCH(double, ratio);
    QCOMPARE(std::round(contrastRatio(text, background) * 100) / 100, ratio);
    const QColor darkened = darkenedToRead(text, background);
    QVERIFY(contrastRatio(darkened, background) >= 4.5);
    QCOMPARE(darkened.hsvHue(), text.hsvHue());
  }

  void readableColourIsTheFirstThatReadsOrTheBest() {
    QRandomGenerator random(20261207);
    const auto colour = [&random] { return QColor::fromRgb(random.generate() | 0xff000000); };
    for (int pair = 0; pair < 5000; ++pair) {
      const QColor background = colour();
      const QColor specified = colour();
      const QColor candidate = colour();
      const QColor chosen = readableOn(background, {specified, candidate});
      const double ratio = contrastRatio(chosen, background);
      QVERIFY(ratio >= 4.5);
      if (contrastRatio(specified, background) >= 4.5)
        QCOMPARE(chosen, specified);
      else if (contrastRatio(candidate, background) >= 4.5)
        QCOMPARE(chosen, candidate);
      else
        QVERIFY(chosen == QColor(Qt::black) || chosen == QColor(Qt::white));
      // Never worse than what the rule took before: the specified colour, else the candidate.
      const QColor before = contrastRatio(specified, background) >= 4.5 ? specified : candidate;
      QVERIFY(ratio >= contrastRatio(before, background));
    }
  }

  void captionAndSizeAreFixed() {
    Form1 form;
    const QString version = QCoreApplication::applicationVersion();  // the configured one
    QVERIFY2(QRegularExpression("^[0-9]+\\.[0-9]{2}$").match(version).hasMatch(),
             qPrintable(version));
    QVERIFY(!host::programTitle().isEmpty());  // the configured one
    QCOMPARE(form.windowTitle(), host::programTitle() + QString(25, ' ') + version);
    QCOMPARE(form.minimumSize(), QSize(716, 484));
    QCOMPARE(form.maximumSize(), QSize(716, 484));
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form.findChild<QLineEdit*>("Te5")->isReadOnly());
  }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
