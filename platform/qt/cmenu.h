// CMenu: a menu as a list of items. The layer keeps each window's system
// menu as one and shows it when the user asks for it.
#pragma once

#include "platform/core/cstring.h"
#include "platform/core/win_types.h"

#include <cstdint>
#include <vector>

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_SEPARATOR = 0x0800;

class CMenu {
public:
    struct Item {
        UINT flags;
        UINT id;
        CString text;
    };

    BOOL AppendMenu(UINT flags, std::uintptr_t id = 0, const char* text = nullptr);
    int GetMenuItemCount() const { return static_cast<int>(m_items.size()); }
    const std::vector<Item>& Items() const { return m_items; }

    // The standard system menu of a dialog: Move, a separator, Close.
    static CMenu StandardSystemMenu();

private:
    std::vector<Item> m_items;
};
