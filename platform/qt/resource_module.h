// The resources of the running program: dialog templates, strings and
// icons, looked up by id. The program hands its module to the start-up;
// tests install one of their own, for instance to replace a string.
#pragma once

#include "platform/core/cstring.h"
#include "platform/qt/dialog_template.h"

// One image of an icon: XPM text, at most 16 colours plus "None" for the
// transparent pixels.
struct XpmImage {
    int width;
    int height;
    const char* const* xpm;
};

struct IconResource {
    std::vector<XpmImage> images;
};

class ResourceModule {
public:
    virtual ~ResourceModule() = default;
    // nullptr when the module has no such resource.
    virtual const DialogTemplate* FindDialog(UINT id) const = 0;
    virtual const CString* FindString(UINT id) const = 0;
    virtual const IconResource* FindIcon(UINT id) const = 0;
};

// Installs the module resources are looked up in; returns the one before.
const ResourceModule* SetResourceModule(const ResourceModule* module);
const ResourceModule* GetResourceModule();

// The string `id` of the installed module; empty when there is none.
CString LoadResourceString(UINT id);
