#include "platform/qt/win_app.h"
#include "platform/core/application_title.h"
#include "platform/core/message_box.h"
#include "platform/qt/cwnd.h"
#include "platform/qt/dialog_widget.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/resource_module.h"

#include <QApplication>
#include <QFileInfo>

#include <memory>

namespace {

CWinApp* g_app = nullptr;

constexpr UINT HELP_CONTEXT = 0x0001;
constexpr const char* kHelpFailedText = "Failed to launch help.";

// The executable's path with its extension, if it has one, replaced.
CString HelpFileFor(const QString& executable)
{
    QFileInfo info(executable);
    QString base = info.suffix().isEmpty() ? info.filePath() : info.path() + '/' + info.completeBaseName();
    return (base + ".HLP").toLocal8Bit().toStdString();
}

} // namespace

CWinApp::CWinApp(const char* appName)
    : m_requestedName(appName)
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }
CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }

void CWinApp::InitializeApplication(int argc, char** argv)
{
    m_arguments.assign(argv, argv + argc);
    m_strAppName = m_requestedName ? CString(m_requestedName) : GetApplicationTitle();
    m_strHelpFilePath = HelpFileFor(QCoreApplication::applicationFilePath());
}

BOOL CWinApp::InitApplication() { return TRUE; }
BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run()
{
    QApplication::exec();
    return ExitInstance();
}

int CWinApp::ExitInstance() { return 0; }

BOOL WinHelpA(HWND, const char*, UINT, DWORD) { return FALSE; }

void CWinApp::OnHelp()
{
    // The box is owned by the dialog F1 was pressed in.
    DialogWidget* active = DialogWidget::Active();
    HWND owner = active ? active->Handle() : (m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr);
    if (!WinHelpA(owner, m_strHelpFilePath.c_str(), HELP_CONTEXT, 0)) {
        CString caption = m_strAppName.empty() ? GetApplicationTitle() : m_strAppName;
        ShowOwnedMessage(owner, kHelpFailedText, caption, MB_ICONEXCLAMATION | MB_OK);
    }
}

int AfxWinMain(int argc, char** argv, const ResourceModule& resources)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    std::unique_ptr<QApplication> qtApplication;
    if (!QCoreApplication::instance())
        qtApplication = std::make_unique<QApplication>(argc, argv);

    QtMessageBoxService boxes;
    MessageBoxService* previousBoxes = SetMessageBoxService(&boxes);
    const ResourceModule* previousResources = SetResourceModule(&resources);

    app->InitializeApplication(argc, argv);
    int status = -1;
    if (app->InitApplication())
        status = app->InitInstance() ? app->Run() : app->ExitInstance();

    SetResourceModule(previousResources);
    SetMessageBoxService(previousBoxes);
    return status;
}
