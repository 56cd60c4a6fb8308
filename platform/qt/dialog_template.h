// A dialog template as data: the window's caption, font, frame and styles,
// and its controls in template order, which is also the tab order.
// Coordinates are dialog units.
#pragma once

#include "platform/core/win_types.h"

#include <vector>

enum class ControlClass {
    Button, // push buttons, radio buttons and group boxes, told apart by style
    Edit,
    Static, // text, or an icon (SS_ICON) named by iconId
};

struct ControlTemplate {
    int id;
    ControlClass controlClass;
    const char* text;
    short x;
    short y;
    short cx;
    short cy;
    DWORD style;
    DWORD exStyle = 0;
    // The icon resource a SS_ICON static shows.
    UINT iconId = 0;
};

struct DialogTemplate {
    const char* caption;
    const char* fontName;
    int fontPoints;
    short x;
    short y;
    short cx;
    short cy;
    DWORD style;
    DWORD exStyle;
    std::vector<ControlTemplate> controls;
};
