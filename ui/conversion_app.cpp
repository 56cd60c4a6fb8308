#include "ui/conversion_app.h"
#include "ui/conversion_dialog.h"

BEGIN_MESSAGE_MAP(CConversionApp, CWinApp)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

// No name of its own: the title is the executable's name.
CConversionApp::CConversionApp()
    : CWinApp(nullptr)
{
}

BOOL CConversionApp::InitInstance()
{
    Enable3dControlsStatic();
    CConversionDialog dialog;
    // Set before the dialog runs: it owns the About box and the open-file
    // dialogs.
    m_pMainWnd = &dialog;
    dialog.DoModal();
    return FALSE;
}
