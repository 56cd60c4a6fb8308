#include "cli/terminal_question.h"

#include <cctype>
#include <cstdio>
#include <unistd.h>

namespace {

enum class Answer { Yes, No, Unclear };

Answer Interpret(const CString& line)
{
    CString word;
    for (char c : line) {
        if (!std::isspace(static_cast<unsigned char>(c)))
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (word == "y" || word == "yes")
        return Answer::Yes;
    if (word == "n" || word == "no")
        return Answer::No;
    return Answer::Unclear;
}

// One line of standard input without its newline; false at the end.
bool ReadLine(CString& line)
{
    line.clear();
    int c;
    while ((c = std::fgetc(stdin)) != EOF) {
        if (c == '\n')
            return true;
        line += static_cast<char>(c);
    }
    return !line.empty();
}

} // namespace

bool StandardInputIsTerminal() { return ::isatty(STDIN_FILENO) == 1; }

bool AskOnTerminal(const CString& question)
{
    std::fprintf(stderr, "%s (y/n) ", question.c_str());
    std::fflush(stderr);
    CString line;
    while (ReadLine(line)) {
        switch (Interpret(line)) {
        case Answer::Yes:
            return true;
        case Answer::No:
            return false;
        case Answer::Unclear:
            std::fputs("Please answer y or n: ", stderr);
            std::fflush(stderr);
            break;
        }
    }
    std::fputc('\n', stderr);
    return false;
}
