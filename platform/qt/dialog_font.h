// The font a dialog template names, and its base units.
#pragma once

#include "platform/qt/dialog_units.h"

#include <QFont>

// The template's face at its size, or the desktop's sans-serif face at
// that size when the template's face is not installed.
QFont DialogFont(const char* faceName, int points);
BaseUnits BaseUnitsOf(const QFont& font);
