// The conversion dialog: the direction, the three file names, Go and Exit,
// and an About item in the system menu.
#pragma once

#include "platform/qt/cdialog.h"
#include "ui/browse_request.h"

class CConversionDialog : public CDialog {
public:
    explicit CConversionDialog(CWnd* parent = nullptr);
    ~CConversionDialog() override;

    BOOL OnInitDialog() override;

    // 0: icon library to strip bitmap; other values: strip bitmap to icon
    // library. The index of the checked button of the direction's group.
    int m_nConvType;
    CString m_strInputFile;
    CString m_strOutputFile;
    // Only used by the way back, from a strip to a library.
    CString m_strOriginalFile;
    // The application icon, shared: never destroyed.
    HICON m_hIcon;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // Go: reads the controls and runs the conversion; never ends the dialog.
    void OnOK() override;

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnBitmapToLibrary();
    void OnLibraryToBitmap();

    // File browsing and the output-name suggestion.
    void OnBrowseInput();
    void OnBrowseOriginal();
    void OnBrowseOutput();
    void OnSetfocusOutputFile();
    void OnKillfocusInputFile();

    DECLARE_MESSAGE_MAP()

private:
    void EnableOriginalControls(BOOL enable);
    void Browse(CString& field, BrowseButton button);
};
