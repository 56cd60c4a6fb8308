// CWinApp: the application object and the start-up that drives it.
#pragma once

#include "platform/core/cstring.h"
#include "platform/qt/cmd_target.h"

#include <vector>

class CWnd;
class ResourceModule;

class CWinApp : public CCmdTarget {
public:
    // There is one application object; constructing it makes it the one
    // AfxGetApp returns. No name gives the executable's name as title.
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    // Runs the message loop until the program quits, then ExitInstance.
    virtual int Run();
    // Returns the program's exit status.
    virtual int ExitInstance();

    // The default help handler.
    void OnHelp();

    // The three-dimensional look of dialog controls: Qt draws it itself.
    BOOL Enable3dControlsStatic() { return TRUE; }

    // The window that owns windows created without an owner of their own.
    CWnd* m_pMainWnd = nullptr;

    // Set by the start-up: the title of the layer's own boxes, the help
    // file named like the executable, and the arguments, which are kept
    // and read by nobody.
    CString m_strAppName;
    CString m_strHelpFilePath;
    std::vector<CString> m_arguments;

    // The first step of the start-up.
    void InitializeApplication(int argc, char** argv);

private:
    const char* m_requestedName;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// The start-up: makes the Qt application (unless one exists), installs
// the message boxes and `resources`, then initialises the application
// object, calls InitApplication and InitInstance, and ExitInstance when
// InitInstance returns FALSE. Returns the exit status.
int AfxWinMain(int argc, char** argv, const ResourceModule& resources);

// The help engine: there is none on this platform, so every request fails.
BOOL WinHelpA(HWND window, const char* helpFile, UINT command, DWORD data);
