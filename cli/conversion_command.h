// quintaro-cli to-bmp and to-ico: one conversion through RunConversion.
#pragma once

#include "cli/command_line.h"
#include "cli/console_messages.h"

// Runs the conversion under the exception guard and returns the exit
// status: written, declined, or failed (also when an exception was
// reported, and when the library was refused without a message).
int RunConversionCommand(const CliRequest& request, ConsoleMessageService& console);
