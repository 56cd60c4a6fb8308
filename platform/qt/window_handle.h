// What a window handle stands for on the Qt side: the widget, the CWnd
// that receives its messages, and what the layer keeps for the window.
// Only the layer (and tests that drive the widgets) include this header.
#pragma once

#include "platform/qt/cmenu.h"
#include "platform/qt/dialog_template.h"
#include "platform/qt/win_messages.h"

#include <QPointer>
#include <QWidget>

#include <vector>

class CWnd;

struct WindowHandle {
    QPointer<QWidget> widget;
    CWnd* window = nullptr;
    // Controls: their template entry. Dialogs: a template with id 0.
    ControlTemplate control {};
    CMenu systemMenu = CMenu::StandardSystemMenu();
    // A dialog's controls in template order.
    std::vector<CWnd*> controls;
    // The icons WM_SETICON gave the window.
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    // Set while the window's paint event runs, so that a CPaintDC can
    // paint; defaultPaint asks the widget to paint itself afterwards.
    bool painting = false;
    bool defaultPaint = false;
};

inline QWidget* WidgetFromHandle(HWND window) { return window ? window->widget.data() : nullptr; }
