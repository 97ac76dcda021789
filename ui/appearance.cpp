// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fonts and colours that the window description cannot hold: fractional point sizes and colours
// that follow the system palette.
#include "ui/appearance.h"

#include <QFont>
#include <QLineEdit>
#include <QPalette>

#include "ui/contrast.h"

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

void applyAppearance(const Looks& looks, const QPalette& palette) {
  const QFont boxFont = songFont(10.5, QFont::Bold);
  for (QWidget* box : looks.inputs + looks.results)
    if (qobject_cast<QLineEdit*>(box)) box->setFont(boxFont);
  applyColours(looks, palette);
}

void applyColours(const Looks& looks, const QPalette& palette) {
  // The boxes: the info background, and the default text where it reads there; otherwise the
  // text colour made for that background, if that reads.
  const QColor boxBackground = palette.color(QPalette::ToolTipBase);
  const QColor boxText = readableOn(
      boxBackground, {palette.color(QPalette::Text), palette.color(QPalette::ToolTipText)});
  for (QWidget* input : looks.inputs) {
    setColour(input, QPalette::Base, boxBackground);
    setColour(input, QPalette::Text, boxText);
  }
  // The result: the selection colour on red, darkened until it reads (hue kept).
  const QColor red(255, 0, 0);
  const QColor resultText = darkenedToRead(palette.color(QPalette::Highlight), red);
  for (QWidget* result : looks.results) {
    setColour(result, QPalette::Base, red);
    setColour(result, QPalette::Text, resultText);
  }
  // The labels: navy where it reads on the window, the window's own text colour otherwise.
  const QColor labelText = readableOn(palette.color(QPalette::Window),
                                      {QColor(0, 0, 128), palette.color(QPalette::WindowText)});
  for (QWidget* label : looks.labels) setColour(label, QPalette::WindowText, labelText);
}
