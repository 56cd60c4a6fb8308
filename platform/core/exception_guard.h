// The guard a front end wraps around each command: an exception of the file
// or memory layer that leaves the command is reported in a message box, and
// the front end carries on.
#pragma once

#include "cstring.h"
#include "exceptions.h"
#include "win_types.h"

#include <functional>

// The report's text for a file exception: its cause's text with the file's
// name in place of %1 ("an unnamed file" when the exception names none),
// cut to its first 127 characters.
CString DescribeFileException(const CFileException& error);

inline constexpr const char* kOutOfMemoryText = "Out of memory.";

// Runs `command`. A CFileException is reported with the stop icon, a memory
// exception (CMemoryException or std::bad_alloc) with "Out of memory.",
// system-modal; both are owned by `owner` and captioned with the application
// title. Returns false when an exception was reported.
bool RunGuarded(HWND owner, const std::function<void()>& command);
