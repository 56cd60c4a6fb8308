#include "platform/qt/cmenu.h"
#include "platform/qt/win_messages.h"

BOOL CMenu::AppendMenu(UINT flags, std::uintptr_t id, const char* text)
{
    m_items.push_back({ flags, static_cast<UINT>(id), (flags & MF_SEPARATOR) || !text ? CString() : CString(text) });
    return TRUE;
}

CMenu CMenu::StandardSystemMenu()
{
    CMenu menu;
    menu.AppendMenu(MF_STRING, SC_MOVE, "&Move");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, SC_CLOSE, "&Close");
    return menu;
}
