#pragma once

// Runs rolvanta-cli as a user would, at a fixed report time, and gives back
// its exit code and both output streams.

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/temporary_folder.h"

namespace rolvanta::testing {

struct ToolRun {
    int exitCode = -1;
    std::string output;
    std::string errors;
};

// The arguments are shell words.
inline ToolRun runTool(const std::string& arguments) {
    TemporaryFolder streams;
    const std::string command = "ROLVANTA_REPORT_TIME='2002-03-05 09:07:03' '" +
                                std::string(ROLVANTA_CLI) + "' " + arguments + " > '" +
                                streams / "out" + "' 2> '" + streams / "err" + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFileBytes(streams / "out"),
            readFileBytes(streams / "err")};
}

}  // namespace rolvanta::testing
