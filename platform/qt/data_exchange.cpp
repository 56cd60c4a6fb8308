#include "platform/qt/data_exchange.h"
#include "platform/qt/cwnd.h"
#include "platform/qt/radio_group.h"
#include "platform/qt/window_handle.h"

#include <QAbstractButton>

void DDX_Text(CDataExchange* dx, int id, CString& value)
{
    CWnd* control = dx->m_pDlgWnd->GetDlgItem(id);
    if (!control)
        return;
    if (dx->m_bSaveAndValidate)
        control->GetWindowText(value);
    else
        control->SetWindowText(value.c_str());
}

namespace {

std::vector<ControlTemplate> TemplatesOf(const CWnd& dialog)
{
    std::vector<ControlTemplate> controls;
    if (dialog.m_hWnd)
        for (const CWnd* control : dialog.m_hWnd->controls)
            controls.push_back(control->m_hWnd->control);
    return controls;
}

QAbstractButton* ButtonOf(const CWnd& dialog, int id)
{
    CWnd* control = dialog.GetDlgItem(id);
    return control ? qobject_cast<QAbstractButton*>(WidgetFromHandle(control->m_hWnd)) : nullptr;
}

} // namespace

void DDX_Radio(CDataExchange* dx, int id, int& value)
{
    std::vector<int> group = RadioGroupIds(TemplatesOf(*dx->m_pDlgWnd), id);
    if (dx->m_bSaveAndValidate)
        value = -1;
    for (int index = 0; index < static_cast<int>(group.size()); ++index) {
        QAbstractButton* button = ButtonOf(*dx->m_pDlgWnd, group[index]);
        if (!button)
            continue;
        if (!dx->m_bSaveAndValidate)
            button->setChecked(index == value);
        else if (button->isChecked() && value == -1)
            value = index;
    }
}
