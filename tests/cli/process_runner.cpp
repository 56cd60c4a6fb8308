#include "tests/cli/process_runner.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// A program that is still running after this long is stuck.
constexpr int kTimeoutMilliseconds = 60000;

struct Pipe {
    int read = -1;
    int write = -1;
    Pipe()
    {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe2 failed");
        read = ends[0];
        write = ends[1];
    }
    ~Pipe()
    {
        CloseRead();
        CloseWrite();
    }
    void CloseRead()
    {
        if (read >= 0)
            ::close(read);
        read = -1;
    }
    void CloseWrite()
    {
        if (write >= 0)
            ::close(write);
        write = -1;
    }
};

pid_t Spawn(const std::vector<std::string>& argv, const ProcessOptions& options, Pipe& in, Pipe& out, Pipe& err)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.read, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out.write, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err.write, STDERR_FILENO);
    if (!options.workingDirectory.empty())
        posix_spawn_file_actions_addchdir_np(&actions, options.workingDirectory.c_str());
    std::vector<char*> pointers = ArgumentPointers(argv);
    pid_t pid = -1;
    int failure = ::posix_spawn(&pid, pointers[0], &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failure != 0)
        throw std::runtime_error("cannot start " + argv[0]);
    return pid;
}

// Reads both output pipes until the program has closed them, so that
// neither can fill up and block it.
bool Collect(Pipe& out, Pipe& err, ProcessResult& result)
{
    std::array<pollfd, 2> fds = { pollfd { out.read, POLLIN, 0 }, pollfd { err.read, POLLIN, 0 } };
    std::array<std::string*, 2> sinks = { &result.out, &result.err };
    int open = 2;
    while (open > 0) {
        int ready = ::poll(fds.data(), fds.size(), kTimeoutMilliseconds);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            char buffer[4096];
            ssize_t got = ::read(fds[i].fd, buffer, sizeof(buffer));
            if (got > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                fds[i].fd = -1;
                --open;
            }
        }
    }
    return true;
}

} // namespace

std::vector<char*> ArgumentPointers(const std::vector<std::string>& argv)
{
    std::vector<char*> pointers;
    for (const std::string& argument : argv)
        pointers.push_back(const_cast<char*>(argument.c_str()));
    pointers.push_back(nullptr);
    return pointers;
}

int ExitStatusOf(int waitStatus)
{
    if (WIFEXITED(waitStatus))
        return WEXITSTATUS(waitStatus);
    return 128 + (WIFSIGNALED(waitStatus) ? WTERMSIG(waitStatus) : 0);
}

ProcessResult RunProcess(const std::vector<std::string>& argv, const ProcessOptions& options)
{
    Pipe in, out, err;
    pid_t pid = Spawn(argv, options, in, out, err);
    in.CloseRead();
    out.CloseWrite();
    err.CloseWrite();

    // The inputs are a few bytes, far below what a pipe holds. A program
    // may end without reading them: that is EPIPE, not a test failure.
    std::signal(SIGPIPE, SIG_IGN);
    if (!options.input.empty() && ::write(in.write, options.input.data(), options.input.size()) < 0 && errno != EPIPE)
        throw std::runtime_error("cannot write to " + argv[0]);
    in.CloseWrite();

    ProcessResult result;
    bool finished = Collect(out, err, result);
    if (!finished)
        ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!finished)
        throw std::runtime_error(argv[0] + " did not finish in time");
    result.exitStatus = ExitStatusOf(status);
    return result;
}

ProcessResult RunCli(const std::vector<std::string>& arguments, const ProcessOptions& options)
{
    std::vector<std::string> argv = { QUINTARO_CLI };
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return RunProcess(argv, options);
}
