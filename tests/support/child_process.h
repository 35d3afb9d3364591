#pragma once

// Runs a piece of a test in a child process, so that it can lose the powers
// of root (file permissions then hold as they do for a user) or take a file
// size limit without touching the test program itself; and a shell command
// for its output.

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

namespace rolvanta::testing {

struct ChildLimits {
    bool asUser = false;     // drop root to the unprivileged user "nobody"
    long maxFileBytes = -1;  // a file size limit, as a full disk would set one
};

inline ChildLimits unprivileged() {
    ChildLimits limits;
    limits.asUser = true;
    return limits;
}

inline ChildLimits fileSizeLimit(long bytes) {
    ChildLimits limits;
    limits.maxFileBytes = bytes;
    return limits;
}

// The child's result: body's return value, or 128 + the signal that ended it.
inline int runInChild(const ChildLimits& limits, const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (limits.asUser && geteuid() == 0) {
            if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0) _exit(99);
        }
        if (limits.maxFileBytes >= 0) {
            const rlimit limit{static_cast<rlim_t>(limits.maxFileBytes),
                               static_cast<rlim_t>(limits.maxFileBytes)};
            // Past the limit a write fails with EFBIG instead of ending the process.
            if (signal(SIGXFSZ, SIG_IGN) == SIG_ERR || setrlimit(RLIMIT_FSIZE, &limit) != 0) {
                _exit(98);
            }
        }
        _exit(body());
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// What a shell command writes on its standard output.
inline std::string commandOutput(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return output;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        output.append(buffer, got);
    }
    ::pclose(pipe);
    return output;
}

}  // namespace rolvanta::testing
