#include "platform/qt/cdialog.h"
#include "platform/core/exception_guard.h"
#include "platform/qt/data_exchange.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/resource_module.h"
#include "platform/qt/win_app.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_nIDTemplate(templateId)
    , m_pParentWnd(parent)
{
}

CDialog::~CDialog() = default;

namespace {

// A dialog without parent is owned by the main window, unless it is the
// main window itself.
QWidget* OwnerWidget(CDialog* dialog, CWnd* parent)
{
    CWnd* owner = parent;
    if (!owner && AfxGetMainWnd() != dialog)
        owner = AfxGetMainWnd();
    return owner ? WidgetFromHandle(owner->m_hWnd) : nullptr;
}

} // namespace

int CDialog::DoModal()
{
    const ResourceModule* module = GetResourceModule();
    const DialogTemplate* dialogTemplate = module ? module->FindDialog(m_nIDTemplate) : nullptr;
    if (!dialogTemplate)
        return -1;
    m_window = std::make_unique<DialogWindow>(*this, *dialogTemplate, OwnerWidget(this, m_pParentWnd));
    m_hWnd = m_window->Handle();

    BOOL focusFirst = TRUE;
    RunGuarded(m_hWnd, [&] { focusFirst = OnInitDialog(); });
    int result = m_window->Run(focusFirst != FALSE);

    m_window.reset();
    m_hWnd = nullptr;
    // The main window is gone: nothing may take it as owner any more.
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    return result;
}

void CDialog::EndDialog(int result)
{
    if (m_window)
        m_window->End(result);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) { }

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnCmdMsg(UINT id, UINT code, WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCmdMsg(id, code, wParam, lParam))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(id, code, wParam, lParam);
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A dialog takes Close as Cancel.
    if (message == WM_CLOSE)
        return SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return CWnd::DefWindowProc(message, wParam, lParam);
}
