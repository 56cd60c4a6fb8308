#include "platform/qt/cmd_target.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = { { 0, 0, 0, nullptr } };
    static const AFX_MSGMAP messageMap = { nullptr, &entries[0] };
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindEntry(const AFX_MSGMAP* map, UINT message, UINT code, UINT id)
{
    for (; map != nullptr; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfn != nullptr; ++entry) {
            if (entry->nMessage != message)
                continue;
            if (message != WM_COMMAND || (entry->nCode == code && entry->nID == id))
                return entry;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT id, UINT code, WPARAM wParam, LPARAM lParam)
{
    const AFX_MSGMAP_ENTRY* entry = FindEntry(GetMessageMap(), WM_COMMAND, code, id);
    if (entry == nullptr)
        return FALSE;
    entry->pfn(this, wParam, lParam, nullptr);
    return TRUE;
}
