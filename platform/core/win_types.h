// Basic integer types and handles with the names and widths the engine's
// file formats and message boxes are described in.
#pragma once

#include <cstddef>
#include <cstdint>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using UINT = unsigned int;
using SIZE_T = std::size_t;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// A window as the engine sees it: an opaque handle that only the window
// layer can turn back into a window. The engine passes it through to the
// message-box service as the owner of a box; nullptr means "no owner".
struct WindowHandle;
using HWND = WindowHandle*;
