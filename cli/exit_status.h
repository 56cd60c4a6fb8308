// The exit statuses of quintaro-cli, which scripts rely on.
#pragma once

enum ExitStatus : int {
    kExitWritten = 0,  // the output was written (or, for info, the report printed)
    kExitFailed = 1,   // the command failed; what went wrong has been printed
    kExitUsage = 2,    // the command line was wrong
    kExitDeclined = 3, // nothing written: the overwrite question was answered No
};
