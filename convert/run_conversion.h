// The Go command without a window: checks a conversion request and runs it.
#pragma once

#include "library/icon_library_file.h"
#include "platform/core/cstring.h"
#include "platform/core/win_types.h"

// Direction 0 converts the library `input` into the strip `output`; every
// other direction converts the strip `input` back into `output`, a copy of
// the library `original`. The command's own messages (missing names, a
// library that cannot be opened) are owned by `owner`; the reader's and the
// conversions' have no owner. Exceptions of the file and memory layers pass
// out to the caller's guard. Returns how the conversion ended; the dialog
// ignores it, the command line turns it into its exit status.
ConversionOutcome RunConversion(int direction, const CString& input, const CString& output, const CString& original, HWND owner);
