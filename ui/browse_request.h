// The rules of the Browse buttons: which files each offers in which mode,
// and the open-file request it fills.
#pragma once

#include "platform/core/cstring.h"
#include "platform/qt/open_file_dialog.h"

struct FileKind {
    // One description and pattern pair, NUL-separated, ending in two NULs.
    const char* filter;
    const char* defaultExtension;
};

extern const FileKind kIconLibraryFiles;
extern const FileKind kBitmapFiles;

enum class BrowseButton { Input, Output, Original };

// Mode 0 reads a library and writes a strip; any other mode the reverse.
// The original is always a library.
const FileKind& FileKindFor(BrowseButton button, int mode);

// Removes one trailing backslash, so that a folder name is offered
// without it.
void RemoveTrailingBackslash(CString& name);

// The name buffer's size, NUL included.
constexpr DWORD kNameBufferSize = 300;

// A request for `kind` with every other member zero. `buffer` holds the
// initial name and receives the chosen one.
OPENFILENAMEA BrowseRequest(HWND owner, const FileKind& kind, char* buffer);
