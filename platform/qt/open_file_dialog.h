// The open-file dialog: a request as the application fills it, shown in
// Qt's own file dialog.
#pragma once

#include "platform/qt/win_messages.h"

#include <functional>

struct OPENFILENAMEA {
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    // Pairs of description and pattern, each NUL-terminated, one more NUL
    // after the last pair.
    const char* lpstrFilter;
    char* lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex; // 1 = the first pair
    char* lpstrFile; // the initial name in, the chosen path out
    DWORD nMaxFile; // the buffer's size, NUL included
    char* lpstrFileTitle;
    DWORD nMaxFileTitle;
    const char* lpstrInitialDir;
    const char* lpstrTitle;
    DWORD Flags;
    WORD nFileOffset;
    WORD nFileExtension;
    const char* lpstrDefExt;
    LPARAM lCustData;
    void* lpfnHook;
    const char* lpTemplateName;
};

// The request size of the version before hooks and places bar grew it.
constexpr DWORD OPENFILENAME_SIZE_VERSION_400A = 76;

constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;

// Shows the dialog modally, owned by hwndOwner. Non-zero when a file was
// chosen, its full path then in lpstrFile; zero on cancel, and when the
// path does not fit the buffer.
BOOL GetOpenFileNameA(OPENFILENAMEA* request);

namespace open_file_dialog {

// What GetOpenFileNameA runs; tests put a recorder here. Unset restores
// Qt's dialog. Returns the handler before.
using Handler = std::function<BOOL(OPENFILENAMEA* request)>;
Handler SetHandler(Handler handler);

} // namespace open_file_dialog
