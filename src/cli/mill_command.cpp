#include "cli/mill_command.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/command_line.h"
#include "cli/design_inputs.h"
#include "cli/output_file.h"
#include "project/mill_inputs.h"
#include "storage/file_io.h"
#include "storage/mill_file.h"

namespace rolvanta::cli {

void addMillOption(CLI::App& command, std::string& path) {
    addValueOption(command, "--mill", path,
                   "The mill the schedule is rolled on (a mill file, as Inputs › Mill › Save "
                   "Mill As writes it): its loads go to the JSON, the CSV and the PDF, and "
                   "its warnings to standard error. A mill of another number of passes is "
                   "fitted, saying so",
                   "FILE.rolmill");
}

void tellNote(const std::string& note) {
    if (!note.empty()) std::cerr << "rolvanta-cli: " << note << '\n';
}

bool takeMillFile(const std::string& path, Project& project) {
    const MillOpened opened = openMillFile(path, project.section.passCount);
    if (opened.error) {
        fail(describeStorageError(*opened.error));
        return false;
    }
    if (std::optional<MillProblem> problem = applyMill(project, *opened.mill)) {
        std::string reason = describeMillProblem(*problem);
        for (char& c : reason) c = c == '\n' ? ' ' : c;
        fail(path + ": " + reason);
        return false;
    }
    tellNote(opened.note);
    return true;
}

void addMillCommand(CLI::App& app, MillCommand& command) {
    CLI::App* mill = app.add_subcommand("mill", "Write a mill file");
    mill->require_subcommand(1);
    command.example = mill->add_subcommand(
        "example",
        "Write the example mill of the Mill dialog (Example Mill) for N passes: a breakdown "
        "stand, then roughing, intermediate and finishing stands, labelled as an example");
    addValueOption(*command.example, "--passes", command.passes,
                   "Number of passes, a whole number from 5 to 13, as in the Setup", "N")
        ->required();
    addValueOption(*command.example, "-o,--output", command.output,
                   "Where to write the mill file (- for standard output, the default)",
                   "FILE.rolmill");
}

bool chosen(const MillCommand& command) {
    return command.example != nullptr && command.example->parsed();
}

int runMillCommand(const MillCommand& command) {
    unsigned long passes = 0;
    if (InputResult read = readPasses(command.passes, passes); !read.accepted()) {
        std::cerr << "rolvanta-cli: " << usageError(*read.problem).message << '\n';
        return kUsageError;
    }
    const Mill mill = exampleMill(static_cast<int>(passes));
    const StorageResult written = command.output == kStandardOutput
                                      ? writeStandardOutput(encodeMillFile(mill))
                                      : writeMillFile(command.output, mill);
    if (written) return fail(describeStorageError(*written));
    return kSucceeded;
}

}  // namespace rolvanta::cli
