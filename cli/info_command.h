// quintaro-cli info LIBRARY: reads a library and reports what it holds.
// It never writes.
#pragma once

#include "cli/console_messages.h"

// Returns the exit status: kExitWritten when the report was printed,
// kExitFailed when the library could not be opened or read (the reader's
// messages, or a line saying so, have been printed).
int RunInfoCommand(const CString& name, ConsoleMessageService& console);
