// Painting a window and drawing icons, as far as a minimised dialog
// needs it.
#pragma once

#include "platform/qt/win_messages.h"

class CWnd;

// Begins painting `window` for the duration of the object. Outside the
// window's paint event there is nothing to paint on, and drawing fails.
class CPaintDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC m_hDC;
};

BOOL DrawIcon(HDC dc, int x, int y, HICON icon);

constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
int GetSystemMetrics(int index);

// The icon `id` of the installed resource module, loaded once and shared;
// nullptr when there is none.
HICON LoadIconA(HINSTANCE instance, UINT id);
