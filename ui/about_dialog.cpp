#include "ui/about_dialog.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CAboutDialog, CDialog)
END_MESSAGE_MAP()

// No parent: while it runs, the main window owns it.
CAboutDialog::CAboutDialog()
    : CDialog(IDD_ABOUT_DIALOG, nullptr)
{
}

void CAboutDialog::DoDataExchange(CDataExchange* dx) { CDialog::DoDataExchange(dx); }
