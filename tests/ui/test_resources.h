// A resource module for tests: its own templates and strings first, then
// those of a base module, so that one resource can be replaced.
#pragma once

#include "platform/qt/resource_module.h"

#include <map>
#include <set>

class TestResources : public ResourceModule {
public:
    explicit TestResources(const ResourceModule* base = nullptr)
        : m_base(base)
    {
    }

    void SetDialog(UINT id, DialogTemplate dialog) { m_dialogs[id] = std::move(dialog); }
    void SetString(UINT id, CString text) { m_strings[id] = std::move(text); }
    // Makes the base module's string `id` missing.
    void HideString(UINT id) { m_hidden.insert(id); }

    const DialogTemplate* FindDialog(UINT id) const override
    {
        auto it = m_dialogs.find(id);
        return it != m_dialogs.end() ? &it->second : m_base ? m_base->FindDialog(id) : nullptr;
    }
    const CString* FindString(UINT id) const override
    {
        if (m_hidden.count(id))
            return nullptr;
        auto it = m_strings.find(id);
        return it != m_strings.end() ? &it->second : m_base ? m_base->FindString(id) : nullptr;
    }
    const IconResource* FindIcon(UINT id) const override { return m_base ? m_base->FindIcon(id) : nullptr; }

private:
    const ResourceModule* m_base;
    std::map<UINT, DialogTemplate> m_dialogs;
    std::map<UINT, CString> m_strings;
    std::set<UINT> m_hidden;
};
