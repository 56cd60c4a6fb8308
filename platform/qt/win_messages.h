// Window messages, notifications and the parameter types they travel in,
// with the numbers the application's message maps are written against.
#pragma once

#include "platform/core/win_types.h"

#include <cstdint>

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

struct IconHandle;
using HICON = IconHandle*;
using HCURSOR = HICON;

struct DeviceContext;
using HDC = DeviceContext*;

struct ModuleHandle;
using HINSTANCE = ModuleHandle*;

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};

// Messages.
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_ICONERASEBKGND = 0x0027;
constexpr UINT WM_QUERYDRAGICON = 0x0037;
constexpr UINT WM_SETICON = 0x0080;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;

// Notifications that arrive in the high word of WM_COMMAND's wParam.
constexpr UINT BN_CLICKED = 0;
constexpr UINT EN_SETFOCUS = 0x0100;
constexpr UINT EN_KILLFOCUS = 0x0200;

// System commands. The low four bits of a system command are the
// platform's own; programs compare the id masked with 0xFFF0.
constexpr UINT SC_MOVE = 0xF010;
constexpr UINT SC_CLOSE = 0xF060;

// WM_SETICON's wParam.
constexpr WPARAM ICON_SMALL = 0;
constexpr WPARAM ICON_BIG = 1;

// The command that F1 sends.
constexpr UINT ID_HELP = 0xE146;

constexpr WORD LOWORD(WPARAM value) { return static_cast<WORD>(value & 0xFFFF); }
constexpr WORD HIWORD(WPARAM value) { return static_cast<WORD>((value >> 16) & 0xFFFF); }
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) { return static_cast<WPARAM>(low) | (static_cast<WPARAM>(high) << 16); }
