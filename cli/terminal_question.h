// Asking a yes/no question on the terminal that standard input is.
#pragma once

#include "platform/core/cstring.h"

bool StandardInputIsTerminal();

// Prints the question with a "(y/n)" prompt on standard error and reads
// answers from standard input until one is y, yes, n or no (any case).
// The end of the input counts as No.
bool AskOnTerminal(const CString& question);
