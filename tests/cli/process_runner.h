// Runs a program with pipes on its standard streams and collects what it
// writes, so that tests can check which stream each message went to.
#pragma once

#include <string>
#include <vector>

struct ProcessResult {
    // The exit status, or 128 + the signal that ended the program.
    int exitStatus = -1;
    std::string out;
    std::string err;
};

struct ProcessOptions {
    // Written to the program's standard input, which is then closed.
    std::string input {};
    // The program's working folder; empty keeps the test's own.
    std::string workingDirectory {};
};

// `argv[0]` is the program's path.
ProcessResult RunProcess(const std::vector<std::string>& argv, const ProcessOptions& options = {});

// Runs the built quintaro-cli with `arguments`.
ProcessResult RunCli(const std::vector<std::string>& arguments, const ProcessOptions& options = {});

// The argument vector of a program as C strings, for exec and spawn.
std::vector<char*> ArgumentPointers(const std::vector<std::string>& argv);
// ProcessResult::exitStatus from a status that waitpid gave.
int ExitStatusOf(int waitStatus);
