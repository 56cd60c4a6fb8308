// The output name suggested from an input name.
#pragma once

#include "platform/core/cstring.h"

// The input name up to its last '.' (all of it when there is none; a dot in
// a folder name counts), then ".bmp" in mode 0 or ".ico" in any other mode.
CString SuggestOutputName(const CString& inputName, int mode);
