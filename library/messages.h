// The two styles the reader and the conversions speak in: boxes without
// owner window, captioned with the utility's name.
#pragma once

#include "platform/core/cstring.h"

int ShowWarning(const CString& text);
int ShowError(const CString& text);
