// File names and message texts are 8-bit strings.
#pragma once

#include <string>

using CString = std::string;
