// Fonts and colours that the window description cannot hold: fractional point sizes and colours
// that follow the system palette.
#include "ui/appearance.h"

#include <QApplication>
#include <QFont>
#include <QPalette>

#include "ui_form1.h"

namespace {

// "宋体" stays the requested family; the application's font substitutions find its stand-in.
QFont songFont(qreal points, QFont::Weight weight) {
  QFont font(QStringLiteral("宋体"));
  font.setPointSizeF(points);
  font.setWeight(weight);
  return font;
}

void setColour(QWidget* control, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = control->palette();
  palette.setColor(role, colour);
  control->setPalette(palette);
}

}  // namespace

void applyAppearance(Ui::Form1& ui) {
  const QFont boxFont = songFont(10.5, QFont::Bold);
  for (QWidget* box : {ui.Te1, ui.Te2, ui.Te3, ui.Te4, ui.Te5}) box->setFont(boxFont);
  const QFont labelFont = songFont(12, QFont::Normal);
  for (QWidget* label :
       {ui.Label1, ui.Label2, ui.Label3, ui.Label4, ui.Label5, ui.Label6, ui.Label7, ui.Label8})
    label->setFont(labelFont);

  const QPalette system = QApplication::palette();
  for (QWidget* input :
       std::initializer_list<QWidget*>{ui.Te1, ui.Te2, ui.Te3, ui.Te4, ui.Co1, ui.Co2})
    setColour(input, QPalette::Base, system.color(QPalette::ToolTipBase));
  setColour(ui.Te5, QPalette::Base, QColor(255, 0, 0));
  setColour(ui.Te5, QPalette::Text, system.color(QPalette::Highlight));
  for (QWidget* label :
       {ui.Label1, ui.Label2, ui.Label3, ui.Label4, ui.Label5, ui.Label6, ui.Label7})
    setColour(label, QPalette::WindowText, QColor(0, 0, 128));
}
