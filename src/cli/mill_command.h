#pragma once

// The mill on the command line: --mill FILE.rolmill on compute and report,
// read and checked as Inputs › Mill › Open Mill reads it, and `mill example
// --passes N -o FILE`, which writes the example mill of the Mill dialog.

#include <string>

#include "engine/project_records.h"

namespace CLI {
class App;
}

namespace rolvanta::cli {

// --mill on command; an empty path is a usage error.
void addMillOption(CLI::App& command, std::string& path);

// The mill file at path taken into the project as the Mill dialog's OK
// takes it (openMillFile, applyMill): fitted to the project's passes, with
// the note on standard error, and its loads computed when the design is.
// False after one line naming the file and the fault.
bool takeMillFile(const std::string& path, Project& project);

// Tells an input's note ("The mill has 9 stands now: ...") on standard
// error; nothing when it is empty.
void tellNote(const std::string& note);

// The "mill" command and its "example" subcommand.
struct MillCommand {
    CLI::App* example = nullptr;
    std::string passes;
    std::string output = "-";  // standard output
};
void addMillCommand(CLI::App& app, MillCommand& command);

// Whether the parsed command line asked for it, and running it: the exit
// status (0 written, 1 not written, 2 a usage error).
bool chosen(const MillCommand& command);
int runMillCommand(const MillCommand& command);

}  // namespace rolvanta::cli
