// The command line of quintaro-cli: what to run, or the exit status when
// parsing alone ended the run (help, version, wrong usage).
#pragma once

#include "cli/overwrite_policy.h"
#include "platform/core/cstring.h"

#include <optional>
#include <vector>

enum class CliCommand {
    ToBmp, // LIBRARY STRIP
    ToIco, // STRIP ORIGINAL OUTPUT
    Info,  // LIBRARY
};

struct CliRequest {
    CliCommand command = CliCommand::Info;
    // The command's file names in the order the command takes them, exactly
    // as given: an empty name stays empty, blanks stay.
    std::vector<CString> names;
    OverwritePolicy overwrite = OverwritePolicy::Ask;
};

struct ParsedCommandLine {
    std::optional<CliRequest> request;
    // Meaningful when there is no request: 0 after --help or --version,
    // kExitUsage after a usage error (already printed).
    int exitStatus = 0;
};

ParsedCommandLine ParseCommandLine(int argc, char** argv);
