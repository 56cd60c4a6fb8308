#include "platform/qt/dialog_units.h"

#include <cstdint>

int AverageCharWidth(int widthOfLetters) { return (widthOfLetters / 26 + 1) / 2; }

int MulDiv(int a, int b, int c)
{
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t half = (c < 0 ? -c : c) / 2;
    bool negative = (product < 0) != (c < 0);
    std::int64_t magnitude = ((product < 0 ? -product : product) + half) / (c < 0 ? -c : c);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

RECT MapDialogRect(int x, int y, int cx, int cy, BaseUnits units)
{
    RECT rect;
    rect.left = MulDiv(x, units.cx, 4);
    rect.top = MulDiv(y, units.cy, 8);
    rect.right = MulDiv(x + cx, units.cx, 4);
    rect.bottom = MulDiv(y + cy, units.cy, 8);
    return rect;
}
