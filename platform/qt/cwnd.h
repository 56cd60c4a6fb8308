// CWnd: a window as the application sees it. Messages reach it through
// WindowProc, which looks them up in the message maps; what no map handles
// gets the window's default processing.
#pragma once

#include "platform/core/cstring.h"
#include "platform/core/message_box.h"
#include "platform/qt/cmd_target.h"

class CMenu;

class CWnd : public CCmdTarget {
public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The window's handle while it exists, nullptr before and after.
    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    // The object whose window `window` is, or nullptr.
    static CWnd* FromHandle(HWND window);

    // Sends a message to this window and returns its result.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // The child control with this id; nullptr when there is none.
    CWnd* GetDlgItem(int id) const;
    // Returns non-zero when the window was disabled before.
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsWindowVisible() const;
    void SetWindowText(const char* text);
    void GetWindowText(CString& text) const;
    BOOL IsIconic() const;
    void GetClientRect(RECT* rect) const;

    // The window's system menu; with revert, goes back to the standard
    // menu and returns nullptr.
    CMenu* GetSystemMenu(BOOL revert);

    // A message box owned by this window; no caption gives the
    // application title.
    int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK);

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // Looks the message up in the maps; FALSE when no entry takes it.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled.
    LRESULT Default();

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();

private:
    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    Message m_current {};
};
