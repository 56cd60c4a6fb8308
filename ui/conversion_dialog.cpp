#include "ui/conversion_dialog.h"
#include "convert/run_conversion.h"
#include "platform/qt/cmenu.h"
#include "platform/qt/data_exchange.h"
#include "platform/qt/paint_dc.h"
#include "platform/qt/resource_module.h"
#include "res/resource.h"
#include "ui/about_dialog.h"
#include "ui/minimised_icon.h"

BEGIN_MESSAGE_MAP(CConversionDialog, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_BITMAP_TO_LIBRARY, &CConversionDialog::OnBitmapToLibrary)
    ON_BN_CLICKED(IDC_LIBRARY_TO_BITMAP, &CConversionDialog::OnLibraryToBitmap)
    ON_BN_CLICKED(IDC_BROWSE_INPUT, &CConversionDialog::OnBrowseInput)
    ON_BN_CLICKED(IDC_BROWSE_ORIGINAL, &CConversionDialog::OnBrowseOriginal)
    ON_BN_CLICKED(IDC_BROWSE_OUTPUT, &CConversionDialog::OnBrowseOutput)
    ON_EN_SETFOCUS(IDC_OUTPUT_FILE, &CConversionDialog::OnSetfocusOutputFile)
    ON_EN_KILLFOCUS(IDC_INPUT_FILE, &CConversionDialog::OnKillfocusInputFile)
END_MESSAGE_MAP()

CConversionDialog::CConversionDialog(CWnd* parent)
    : CDialog(IDD_CONVERSION_DIALOG, parent)
    , m_nConvType(0)
    , m_hIcon(LoadIconA(nullptr, IDI_APP_ICON))
{
}

CConversionDialog::~CConversionDialog() = default;

void CConversionDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Radio(dx, IDC_LIBRARY_TO_BITMAP, m_nConvType);
    DDX_Text(dx, IDC_INPUT_FILE, m_strInputFile);
    DDX_Text(dx, IDC_OUTPUT_FILE, m_strOutputFile);
    DDX_Text(dx, IDC_ORIGINAL_FILE, m_strOriginalFile);
}

BOOL CConversionDialog::OnInitDialog()
{
    CDialog::OnInitDialog();

    CMenu* systemMenu = GetSystemMenu(FALSE);
    CString aboutItem = LoadResourceString(IDS_ABOUT_ITEM);
    if (systemMenu && !aboutItem.empty()) {
        systemMenu->AppendMenu(MF_SEPARATOR);
        systemMenu->AppendMenu(MF_STRING, IDM_ABOUT_ITEM, aboutItem.c_str());
    }

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    OnLibraryToBitmap();
    // The focus goes to the first tab stop, Go.
    return TRUE;
}

void CConversionDialog::OnSysCommand(UINT id, LPARAM lParam)
{
    // The platform keeps the low four bits of a system command.
    if ((id & 0xFFF0) == IDM_ABOUT_ITEM) {
        CAboutDialog about;
        about.DoModal();
    } else {
        CDialog::OnSysCommand(id, lParam);
    }
}

void CConversionDialog::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    RECT client;
    GetClientRect(&client);
    IconPosition at = MinimisedIconPosition(client.right - client.left, client.bottom - client.top, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    DrawIcon(dc.m_hDC, at.x, at.y, m_hIcon);
}

HCURSOR CConversionDialog::OnQueryDragIcon() { return m_hIcon; }

void CConversionDialog::EnableOriginalControls(BOOL enable)
{
    for (int id : { IDC_ORIGINAL_LABEL, IDC_ORIGINAL_FILE, IDC_BROWSE_ORIGINAL })
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(enable);
}

void CConversionDialog::OnLibraryToBitmap()
{
    m_nConvType = 0;
    EnableOriginalControls(FALSE);
}

void CConversionDialog::OnBitmapToLibrary()
{
    m_nConvType = 1;
    EnableOriginalControls(TRUE);
}

void CConversionDialog::OnOK()
{
    UpdateData(TRUE);
    RunConversion(m_nConvType, m_strInputFile, m_strOutputFile, m_strOriginalFile, m_hWnd);
}
