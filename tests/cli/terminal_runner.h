// Runs quintaro-cli on a pseudo-terminal, as a user at a terminal would,
// and types an answer each time it asks a question.
#pragma once

#include <string>
#include <vector>

struct TerminalResult {
    int exitStatus = -1;
    // Everything the program wrote to the terminal, both streams together.
    std::string output;
};

// Types answers[0] and Enter at the first prompt, answers[1] at the next,
// and so on; a prompt is a line that ends in "(y/n) " or "y or n: ".
TerminalResult RunCliOnTerminal(const std::vector<std::string>& arguments, const std::vector<std::string>& answers);
