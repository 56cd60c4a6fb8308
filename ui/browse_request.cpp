#include "ui/browse_request.h"

const FileKind kIconLibraryFiles { "Glyphboard Icon Files\0*.ico\0", ".ico" };
const FileKind kBitmapFiles { "Bitmap Files\0*.bmp\0", ".bmp" };

const FileKind& FileKindFor(BrowseButton button, int mode)
{
    switch (button) {
    case BrowseButton::Input:
        return mode == 0 ? kIconLibraryFiles : kBitmapFiles;
    case BrowseButton::Output:
        return mode == 0 ? kBitmapFiles : kIconLibraryFiles;
    case BrowseButton::Original:
        break;
    }
    return kIconLibraryFiles;
}

void RemoveTrailingBackslash(CString& name)
{
    if (!name.empty() && name.back() == '\\')
        name.pop_back();
}

OPENFILENAMEA BrowseRequest(HWND owner, const FileKind& kind, char* buffer)
{
    OPENFILENAMEA request {};
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    request.hwndOwner = owner;
    request.lpstrFilter = kind.filter;
    request.nFilterIndex = 1;
    request.lpstrFile = buffer;
    request.nMaxFile = kNameBufferSize;
    request.lpstrTitle = "Select File";
    request.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    request.lpstrDefExt = kind.defaultExtension;
    return request;
}
