#include "platform/qt/resource_module.h"

namespace {

const ResourceModule*& Current()
{
    static const ResourceModule* module = nullptr;
    return module;
}

} // namespace

const ResourceModule* SetResourceModule(const ResourceModule* module)
{
    const ResourceModule* previous = Current();
    Current() = module;
    return previous;
}

const ResourceModule* GetResourceModule() { return Current(); }

CString LoadResourceString(UINT id)
{
    const CString* text = Current() ? Current()->FindString(id) : nullptr;
    return text ? *text : CString();
}
