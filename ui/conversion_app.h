// The application: runs the conversion dialog as its main window and ends
// when the dialog is closed.
#pragma once

#include "platform/qt/win_app.h"

class CConversionApp : public CWinApp {
public:
    CConversionApp();

    // Runs the dialog; always FALSE, so no message loop follows.
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
