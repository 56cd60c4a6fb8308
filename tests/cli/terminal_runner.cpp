#include "tests/cli/terminal_runner.h"
#include "tests/cli/process_runner.h"

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kTimeoutMilliseconds = 60000;

std::size_t CountPrompts(const std::string& output)
{
    std::size_t count = 0;
    for (const char* prompt : { "(y/n) ", "y or n: " }) {
        for (std::size_t at = output.find(prompt); at != std::string::npos; at = output.find(prompt, at + 1))
            ++count;
    }
    return count;
}

// Reads the terminal until the program has gone, answering each prompt.
// False when the program stays silent for too long.
bool Converse(int terminal, const std::vector<std::string>& answers, std::string& output)
{
    std::size_t answered = 0;
    for (;;) {
        pollfd fd { terminal, POLLIN, 0 };
        int ready = ::poll(&fd, 1, kTimeoutMilliseconds);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        char buffer[4096];
        ssize_t got = ::read(terminal, buffer, sizeof(buffer));
        if (got < 0 && errno == EINTR)
            continue;
        // Once the program has closed its side, reading gives EIO.
        if (got <= 0)
            return true;
        output.append(buffer, static_cast<std::size_t>(got));
        while (answered < answers.size() && answered < CountPrompts(output)) {
            std::string line = answers[answered++] + "\n";
            if (::write(terminal, line.data(), line.size()) < 0)
                return true;
        }
    }
}

} // namespace

TerminalResult RunCliOnTerminal(const std::vector<std::string>& arguments, const std::vector<std::string>& answers)
{
    std::vector<std::string> argv = { QUINTARO_CLI };
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> pointers = ArgumentPointers(argv);

    int terminal = -1;
    pid_t pid = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    if (pid < 0)
        throw std::runtime_error("forkpty failed");
    if (pid == 0) {
        ::execv(pointers[0], pointers.data());
        ::_exit(127);
    }

    TerminalResult result;
    bool finished = Converse(terminal, answers, result.output);
    ::close(terminal);
    if (!finished)
        ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!finished)
        throw std::runtime_error("quintaro-cli did not finish on the terminal in time");
    result.exitStatus = ExitStatusOf(status);
    return result;
}
