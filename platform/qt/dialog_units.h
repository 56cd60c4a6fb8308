// Dialog units: a template's coordinates in quarters of the font's average
// character width and eighths of its height.
#pragma once

#include "platform/qt/win_messages.h"

struct BaseUnits {
    int cx; // average character width in pixels
    int cy; // character height in pixels
};

// The average width from the width of the 52 letters A-Z and a-z, rounded
// as the platform does: (width / 26 + 1) / 2.
int AverageCharWidth(int widthOfLetters);

// a * b / c, rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c);

// A rectangle in dialog units (left, top, width, height) in pixels.
RECT MapDialogRect(int x, int y, int cx, int cy, BaseUnits units);
