// The line for a library that the reader refused without a message of its
// own, as it does for an IconBitmap that cannot be read: the dialog would
// show nothing, but a command line has to say why it failed.
#pragma once

#include "platform/core/cstring.h"

// Shown as a warning, so it goes where the reader's own messages go.
void ShowUnreadableLibrary(const CString& name);
