// Fonts and colours of the window's controls.
#pragma once

namespace Ui {
class Form1;
}

/// Gives the controls of a freshly built window their fonts and colours. Colours named after
/// system colours are taken from the application's palette.
void applyAppearance(Ui::Form1& ui);
