// Runs the application's real start-up, with a test's steps running inside
// the conversion dialog's modal loop once the dialog is active.
#pragma once

#include "platform/qt/resource_module.h"
#include "ui/conversion_dialog.h"

#include <QtCore/qnamespace.h>

#include <functional>
#include <string>
#include <vector>

// Runs AfxWinMain with `arguments` after the program name; the dialog is
// ended with Exit after the steps if they did not end it. Returns the
// start-up's result.
int RunApplication(const std::function<void(CConversionDialog&)>& steps, const ResourceModule* resources = nullptr,
    const std::vector<std::string>& arguments = {});

// Gives the control the focus as a click would, and waits for it to arrive.
void FocusControl(CConversionDialog& dialog, int id);
// Types into an edit, replacing what it showed.
void TypeInto(CConversionDialog& dialog, int id, const char* text);
CString TextOf(CConversionDialog& dialog, int id);
void Click(CConversionDialog& dialog, int id);
void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
