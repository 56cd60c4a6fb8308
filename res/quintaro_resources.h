// The utility's resources: both dialog templates, the string table and the
// application icon. The start-up is handed this module.
#pragma once

#include "platform/qt/resource_module.h"

#include <map>

class QuintaroResourceModule : public ResourceModule {
public:
    const DialogTemplate* FindDialog(UINT id) const override;
    const CString* FindString(UINT id) const override;
    const IconResource* FindIcon(UINT id) const override;

    // The string table, id to text.
    static const std::map<UINT, CString>& Strings();
};

const ResourceModule& QuintaroResources();
