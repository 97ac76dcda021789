// The window's icon.
#pragma once

#include <QIcon>

/// The pocket calculator: drawn pixel by pixel at 16 x 16, from vectors at every other size.
QIcon calculatorIcon();
