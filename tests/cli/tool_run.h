#pragma once

// Runs rolvanta-cli as a user would, at a fixed report time, and gives back
// its exit code and both output streams. A watchdog ends a run that has not
// come back after a generous minute (exit code 124, or 137 when killed), so
// a tool that hangs fails its test instead of stopping the suite; it is not
// a measure of speed.

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/temporary_folder.h"

namespace rolvanta::testing {

struct ToolRun {
    int exitCode = -1;
    std::string output, errors;
};

// The arguments are shell words; workingDirectory empty: the test's own;
// environment: the words of env(1) the tool runs under.
inline ToolRun runTool(
    const std::string& arguments, const std::string& workingDirectory = "",
    const std::string& environment = "ROLVANTA_REPORT_TIME='2002-03-05 09:07:03'") {
    TemporaryFolder streams;
    const std::string command =
        (workingDirectory.empty() ? "" : "cd '" + workingDirectory + "' && ") + "env " +
        environment + " timeout -k 10 60 '" + std::string(ROLVANTA_CLI) + "' " + arguments +
        " > '" + streams / "out" + "' 2> '" + streams / "err" + "' < /dev/null";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFileBytes(streams / "out"),
            readFileBytes(streams / "err")};
}

}  // namespace rolvanta::testing
