#include "platform/qt/cwnd.h"
#include "platform/core/application_title.h"
#include "platform/qt/cmenu.h"
#include "platform/qt/device_context.h"
#include "platform/qt/icon_handle.h"
#include "platform/qt/paint_dc.h"
#include "platform/qt/window_handle.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QWindow>

CWnd::CWnd() = default;
CWnd::~CWnd() = default;

CWnd* CWnd::FromHandle(HWND window) { return window ? window->window : nullptr; }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) { return WindowProc(message, wParam, lParam); }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    Message outer = m_current;
    m_current = { message, wParam, lParam };
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    m_current = outer;
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND)
        return OnCommand(wParam, lParam);
    const AFX_MSGMAP_ENTRY* entry = FindEntry(GetMessageMap(), message, 0, 0);
    if (entry == nullptr)
        return FALSE;
    entry->pfn(this, wParam, lParam, result);
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) { return OnCmdMsg(LOWORD(wParam), HIWORD(wParam), wParam, lParam); }

LRESULT CWnd::Default() { return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam); }

void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnPaint() { Default(); }
HCURSOR CWnd::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }

namespace {

LRESULT SetIcon(WindowHandle& handle, WPARAM kind, HICON icon)
{
    HICON& slot = kind == ICON_BIG ? handle.bigIcon : handle.smallIcon;
    HICON previous = slot;
    slot = icon;
    HICON shown = handle.bigIcon ? handle.bigIcon : handle.smallIcon;
    if (handle.widget)
        handle.widget->setWindowIcon(shown ? shown->ToIcon() : QIcon());
    return reinterpret_cast<LRESULT>(previous);
}

void StartMove(QWidget* widget)
{
    if (widget && widget->windowHandle())
        widget->windowHandle()->startSystemMove();
}

} // namespace

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_hWnd)
        return 0;
    switch (message) {
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE)
            return SendMessage(WM_CLOSE);
        if ((wParam & 0xFFF0) == SC_MOVE)
            StartMove(m_hWnd->widget);
        return 0;
    case WM_SETICON:
        return SetIcon(*m_hWnd, wParam, reinterpret_cast<HICON>(lParam));
    case WM_PAINT:
        m_hWnd->defaultPaint = true;
        return 0;
    case WM_ICONERASEBKGND:
        return EraseBackground(reinterpret_cast<HDC>(wParam), m_hWnd->widget);
    default:
        return 0;
    }
}

CWnd* CWnd::GetDlgItem(int id) const
{
    if (!m_hWnd)
        return nullptr;
    for (CWnd* control : m_hWnd->controls)
        if (control->m_hWnd->control.id == id)
            return control;
    return nullptr;
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    QWidget* widget = WidgetFromHandle(m_hWnd);
    if (!widget)
        return FALSE;
    BOOL wasDisabled = !widget->isEnabled();
    widget->setEnabled(enable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    QWidget* widget = WidgetFromHandle(m_hWnd);
    return widget && widget->isEnabled();
}

BOOL CWnd::IsWindowVisible() const
{
    QWidget* widget = WidgetFromHandle(m_hWnd);
    return widget && widget->isVisible();
}

void CWnd::SetWindowText(const char* text)
{
    QWidget* widget = WidgetFromHandle(m_hWnd);
    QString value = QString::fromLocal8Bit(text ? text : "");
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(value);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(value);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(value);
    else if (widget)
        widget->setWindowTitle(value);
}

void CWnd::GetWindowText(CString& text) const
{
    QWidget* widget = WidgetFromHandle(m_hWnd);
    QString value;
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        value = edit->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        value = button->text();
    else if (auto* label = qobject_cast<QLabel*>(widget))
        value = label->text();
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        value = group->title();
    else if (widget)
        value = widget->windowTitle();
    text = value.toLocal8Bit().toStdString();
}

BOOL CWnd::IsIconic() const
{
    QWidget* widget = WidgetFromHandle(m_hWnd);
    return widget && widget->isMinimized();
}

void CWnd::GetClientRect(RECT* rect) const
{
    QWidget* widget = WidgetFromHandle(m_hWnd);
    *rect = RECT {};
    if (widget) {
        rect->right = widget->width();
        rect->bottom = widget->height();
    }
}

CMenu* CWnd::GetSystemMenu(BOOL revert)
{
    if (!m_hWnd)
        return nullptr;
    if (revert) {
        m_hWnd->systemMenu = CMenu::StandardSystemMenu();
        return nullptr;
    }
    return &m_hWnd->systemMenu;
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type)
{
    return ShowOwnedMessage(m_hWnd, text ? text : "", caption ? CString(caption) : GetApplicationTitle(), type);
}
