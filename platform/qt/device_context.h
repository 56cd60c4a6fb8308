// What a device-context handle stands for: a painter on a window while its
// paint event runs, none otherwise.
#pragma once

#include "platform/qt/win_messages.h"

#include <QPainter>

#include <memory>

class QWidget;

struct DeviceContext {
    std::unique_ptr<QPainter> painter;
};

// Fills the window with its background colour, as WM_ICONERASEBKGND does.
LRESULT EraseBackground(HDC dc, QWidget* widget);
