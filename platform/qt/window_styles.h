// Window and control styles as dialog templates state them.
#pragma once

#include "platform/core/win_types.h"

// Windows.
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_EX_TRANSPARENT = 0x00000020;
constexpr DWORD WS_EX_APPWINDOW = 0x00040000;

// Dialogs.
constexpr DWORD DS_SETFONT = 0x00000040;
constexpr DWORD DS_MODALFRAME = 0x00000080;

// Buttons: the low four bits are the kind.
constexpr DWORD BS_PUSHBUTTON = 0x0;
constexpr DWORD BS_DEFPUSHBUTTON = 0x1;
constexpr DWORD BS_RADIOBUTTON = 0x4;
constexpr DWORD BS_GROUPBOX = 0x7;
constexpr DWORD BS_AUTORADIOBUTTON = 0x9;
constexpr DWORD BS_TYPEMASK = 0xF;

// Edits.
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD ES_WANTRETURN = 0x1000;

// Statics: the low five bits are the kind.
constexpr DWORD SS_LEFT = 0x00;
constexpr DWORD SS_ICON = 0x03;
constexpr DWORD SS_TYPEMASK = 0x1F;
constexpr DWORD SS_NOPREFIX = 0x80;
