// CDialog: a window made from a dialog template and run modally.
#pragma once

#include "platform/qt/cwnd.h"

#include <memory>

class CDataExchange;
class DialogWindow;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Creates the window from the template, runs OnInitDialog, and runs a
    // nested loop until EndDialog. The owner (the parent given, else the
    // application's main window) is disabled meanwhile. Returns the value
    // given to EndDialog, or -1 when the template is missing.
    virtual int DoModal();
    void EndDialog(int result);

    // Writes the fields into the controls; TRUE puts the focus on the first
    // tab stop.
    virtual BOOL OnInitDialog();
    // TRUE: controls into fields; FALSE: fields into controls.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

protected:
    virtual void DoDataExchange(CDataExchange* dx);
    virtual void OnOK();
    virtual void OnCancel();

    // Commands that the dialog's maps leave go on to the application.
    BOOL OnCmdMsg(UINT id, UINT code, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<DialogWindow> m_window;
};
