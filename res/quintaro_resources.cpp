#include "res/quintaro_resources.h"
#include "res/app_icon.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

const std::map<UINT, CString>& QuintaroResourceModule::Strings()
{
    static const std::map<UINT, CString> strings {
        { IDS_ABOUT_ITEM, "&About Quintaro..." },
    };
    return strings;
}

const DialogTemplate* QuintaroResourceModule::FindDialog(UINT id) const
{
    switch (id) {
    case IDD_CONVERSION_DIALOG:
        return &ConversionDialogTemplate();
    case IDD_ABOUT_DIALOG:
        return &AboutDialogTemplate();
    default:
        return nullptr;
    }
}

const CString* QuintaroResourceModule::FindString(UINT id) const
{
    auto it = Strings().find(id);
    return it == Strings().end() ? nullptr : &it->second;
}

const IconResource* QuintaroResourceModule::FindIcon(UINT id) const { return id == IDI_APP_ICON ? &ApplicationIcon() : nullptr; }

const ResourceModule& QuintaroResources()
{
    static const QuintaroResourceModule module;
    return module;
}
