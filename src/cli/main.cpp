// rolvanta-cli: the pass design without a window. It computes a beam from
// the catalogue, a typed section or a saved project exactly as the desktop
// program would, writes the report, the project file and tables of the
// passes, builds and lists the catalogue, and writes the example mill.
//
// Exit status: 0 on success, 1 on a failure (told on standard error), 2 on a
// usage error, 3 with --strict when the design has warnings (each told on
// standard error, whether strict or not).

#include <CLI/CLI.hpp>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/catalogue_command.h"
#include "cli/command_line.h"
#include "cli/design_inputs.h"
#include "cli/drawing_outputs.h"
#include "cli/mill_command.h"
#include "cli/output_file.h"
#include "engine/windows1252.h"
#include "project/design_inputs.h"
#include "project/load_checks.h"
#include "project/project_life.h"
#include "storage/file_io.h"
#include "storage/profile_catalogue.h"
#include "storage/results_report.h"
#include "storage/schedule_export.h"

#ifdef ROLVANTA_CLI_PDF
#include "cli/pdf_output.h"
#endif

namespace rolvanta::cli {
namespace {

// True when written; a failure is told in one line.
bool told(const StorageResult& error) {
    if (error) fail(describeStorageError(*error));
    return !error;
}

// Writes bytes to path ("-": standard output).
bool written(const std::string& path, const std::string& bytes) {
    return told(writeOutput(path, bytes));
}

// The report's date, the same for every output of the run: the clock; or,
// so that a run gives the same bytes as the last, the moment in
// ROLVANTA_REPORT_TIME ("2002-03-05 09:07:03", for tests) or else in
// SOURCE_DATE_EPOCH (seconds since 1970, as reproducible builds give it),
// told in UTC. The PDF's creation date is this moment too.
ReportTime fixedOrCurrentTime() {
    if (const char* fixed = std::getenv("ROLVANTA_REPORT_TIME")) {
        ReportTime t;
        if (std::sscanf(fixed, "%d-%d-%d %d:%d:%d", &t.year, &t.month, &t.day, &t.hour, &t.minute,
                        &t.second) == 6) {
            return t;
        }
        std::cerr << "rolvanta-cli: ROLVANTA_REPORT_TIME is not \"YYYY-MM-DD hh:mm:ss\"; the "
                     "clock is used\n";
        return currentReportTime();
    }
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        long long seconds = -1;
        const char* end = epoch + std::strlen(epoch);
        const auto read = std::from_chars(epoch, end, seconds);
        if (read.ec == std::errc() && read.ptr == end && seconds >= 0) {
            return universalTime(seconds);
        }
        std::cerr << "rolvanta-cli: SOURCE_DATE_EPOCH is not a whole number of seconds since "
                     "1970; the clock is used\n";
    }
    return currentReportTime();
}

ReportTime reportTime() {
    static const ReportTime time = fixedOrCurrentTime();
    return time;
}

// The report as Save As writes it, its title the file's name. A terminal
// that reads UTF-8 is shown the report in UTF-8, so that ° and ² read; a
// file or a pipe gets the report's own Windows-1252 bytes.
bool writeReport(const std::string& path, const std::string& standardOutputTitle,
                 const Project& project) {
    if (path != kStandardOutput) {
        return told(writeResultsReport(path, fileNameOf(path), project, reportTime()));
    }
    std::string report = formatResultsReport(project, standardOutputTitle, reportTime());
    if (standardOutputIsTerminal() && terminalUsesUtf8()) report = utf8FromWindows1252(report);
    return written(path, report);
}

// The PDF report needs Qt; a tool built without it has no --pdf.
#ifdef ROLVANTA_CLI_PDF
constexpr PdfRenderer kPdfRenderer = reportPdf;
#else
constexpr PdfRenderer kPdfRenderer = nullptr;
#endif

// The drawings asked for; false when one could not be written.
bool writeDrawings(const DrawingOutputs& o, const Project& project, const std::string& title) {
    const std::vector<StorageError> failures =
        writeDrawings(o, project, title, reportTime(), kPdfRenderer);
    for (const StorageError& failure : failures) fail(describeStorageError(failure));
    return failures.empty();
}

struct ComputeOptions {
    std::string profile, section, project, catalogue;
    std::string passes, temperature;  // empty: not given
    CoefficientOptions coefficients;
    std::string report, save, csv, json;
    std::string mill;  // empty: none
    DrawingOutputs drawings;
    bool strict = false;

    bool coefficientsGiven() const {
        const CoefficientOptions& c = coefficients;
        return !c.webList.empty() || !c.liveList.empty() || !c.deadList.empty() ||
               !c.webLimits.empty() || !c.liveLimits.empty() || !c.deadLimits.empty();
    }
};

using NamedOutputs = std::vector<std::pair<const char*, const std::string*>>;

// The outputs of a command, with the drawings asked for: standard output
// carries one of them (two would run into each other), and the drawings'
// own options must go together.
std::optional<std::string> refusedOutputs(NamedOutputs outputs, const DrawingOutputs& drawings) {
    outputs.push_back({"--dxf", &drawings.dxf});
    outputs.push_back({"--pdf", &drawings.pdf});
    const char* first = nullptr;
    for (const auto& [option, path] : outputs) {
        if (*path != kStandardOutput) continue;
        if (first != nullptr) {
            return std::string(first) + " and " + option +
                   " both name - (standard output), which takes one output";
        }
        first = option;
    }
    return refusedDrawingOutputs(drawings);
}

// Options that do not go together (after the parse: see command_line.h).
std::optional<std::string> refusedCombination(const ComputeOptions& o) {
    std::vector<const char*> sources;
    if (!o.profile.empty()) sources.push_back("--profile");
    if (!o.section.empty()) sources.push_back("--section");
    if (!o.project.empty()) sources.push_back("--project");
    if (sources.empty()) {
        return std::string("compute needs a section: one of --profile, --section and --project");
    }
    if (sources.size() > 1) {
        return std::string(sources[0]) + " and " + sources[1] +
               " cannot be given together: the section comes from one of them";
    }
    if (!o.catalogue.empty() && o.profile.empty()) {
        return std::string("--catalogue is read only for --profile");
    }
    return refusedOutputs(
        {{"--report", &o.report}, {"--save", &o.save}, {"--csv", &o.csv}, {"--json", &o.json}},
        o.drawings);
}

// The catalogue beam of that name (UTF-8); empty, told, when the catalogue
// cannot be read or has no such beam.
std::optional<ProfileRecord> catalogueBeam(const ComputeOptions& o, int& status) {
    ProfileList catalogue;
    if (!loadCatalogue(catalogue, catalogueFiles(o.catalogue))) {
        status = kFailed;
        return std::nullopt;
    }
    const std::string name = windows1252FromUtf8(o.profile);
    for (const ProfileRecord& record : catalogue) {
        if (std::strncmp(record.name, name.c_str(), kNameFieldSize) == 0) return record;
    }
    const std::string listing =
        o.catalogue.empty() ? "" : " --catalogue " + shownValue(o.catalogue);
    status =
        usage("--profile: no beam named \"" + shownValue(o.profile) +
              "\" in the catalogue (rolvanta-cli catalogue list" + listing + " lists the beams)");
    return std::nullopt;
}

int compute(const ComputeOptions& o) {
    if (auto refused = refusedCombination(o)) return usage(*refused);
    CustomSectionFields typed;
    if (!o.section.empty()) {
        if (auto error = readSectionOption(o.section, typed)) return usage(error->message);
    }
    // A new section gets what an empty Setup gives for what was not given.
    SetupFields setup{static_cast<unsigned long>(kFewestPasses), kUsualTemperature};
    if (auto error = readSetupOptions(o.passes, o.temperature, setup)) {
        return usage(error->message);
    }
    CoefficientFields coefficients;
    if (auto error = readCoefficientOptions(o.coefficients, coefficients)) {
        return usage(error->message);
    }

    ProjectDocument document;
    Project& project = document.project;
    startUpProject(project);
    beginNewProject(project);
    std::string standardOutputTitle;

    if (!o.profile.empty()) {
        int status = kFailed;
        const std::optional<ProfileRecord> found = catalogueBeam(o, status);
        if (!found) return status;
        // The beam as the standard profile dialog shows it and reads it back.
        if (InputResult r = takeStandardSection(project, shownFieldsOfProfile(*found));
            !r.accepted()) {
            return fail("the catalogue beam \"" + shownValue(o.profile) +
                        "\" is not accepted: " + fieldLabel(r.problem->field) + " " +
                        r.problem->value + ", accepted: " + r.problem->accepted);
        }
        standardOutputTitle = o.profile;
    } else if (!o.section.empty()) {
        if (InputResult r = takeCustomSection(project, typed); !r.accepted()) {
            return usage(usageError(*r.problem).message);
        }
        standardOutputTitle = o.section.substr(0, o.section.find(','));
    } else {
        if (!told(openProjectFile(document, o.project, fileNameOf(o.project)))) return kFailed;
        standardOutputTitle = fileNameOf(o.project);
    }

    // An opened project keeps its own Setup unless one is given.
    if (o.project.empty() || !o.passes.empty() || !o.temperature.empty()) {
        if (!o.project.empty()) {
            if (o.passes.empty())
                setup.passes = static_cast<unsigned long>(project.section.passCount);
            if (o.temperature.empty()) setup.temperature = project.section.temperature;
        }
        InputResult r = applySetup(project, setup);
        if (!r.accepted()) return usage(usageError(*r.problem).message);
        tellNote(r.note);
    }
    if (o.coefficientsGiven()) {
        if (InputResult r = applyCoefficients(project, coefficients); !r.accepted()) {
            return usage(usageError(*r.problem).message);
        }
    } else if (o.project.empty()) {
        restoreDefaultCoefficients(project);
    }
    if (!o.mill.empty() && !takeMillFile(o.mill, project)) return kFailed;
    if (computeProject(project) != MissingStep::Nothing) return fail("the design is incomplete");
    std::vector<PassWarning> warnings;
    for (const DesignWarning& warning : checkProject(project)) {
        std::cerr << "rolvanta-cli: warning: " << warning.text << '\n';
        warnings.push_back({warning.pass, warning.text});
    }

    const bool anyOutput = !o.report.empty() || !o.save.empty() || !o.csv.empty() ||
                           !o.json.empty() || o.drawings.any();
    bool allWritten = true;
    auto write = [&](bool ok) { allWritten = ok && allWritten; };
    // The kind its name ends in: ".rolx" a design, anything else (standard
    // output too) a project file.
    if (!o.save.empty()) write(written(o.save, projectFormatOf(o.save).encode(project)));
    if (!o.report.empty() || !anyOutput) {
        write(writeReport(anyOutput ? o.report : kStandardOutput, standardOutputTitle, project));
    }
    if (!o.csv.empty()) write(written(o.csv, formatScheduleCsv(project, warnings)));
    if (!o.json.empty()) write(written(o.json, formatScheduleJson(project, warnings)));
    // The PDF's header names the file as the text report's does: its own.
    const std::string pdfTitle =
        o.drawings.pdf == kStandardOutput ? standardOutputTitle : fileNameOf(o.drawings.pdf);
    write(writeDrawings(o.drawings, project, pdfTitle));
    if (!allWritten) return kFailed;
    return o.strict && !warnings.empty() ? kWarned : kSucceeded;
}

// Without --output or a drawing, the report goes to standard output.
int report(const std::string& projectPath, const std::string& output,
           const DrawingOutputs& drawings, const std::string& mill) {
    if (auto refused = refusedOutputs({{"--output", &output}}, drawings)) return usage(*refused);
    ProjectDocument document;
    startUpProject(document.project);
    const std::string title = fileNameOf(projectPath);
    if (!told(openProjectFile(document, projectPath, title))) return kFailed;
    if (!mill.empty() && !takeMillFile(mill, document.project)) return kFailed;
    bool allWritten = true;
    if (!output.empty() || !drawings.any()) {
        allWritten =
            writeReport(output.empty() ? kStandardOutput : output, title, document.project);
    }
    allWritten = writeDrawings(drawings, document.project, title) && allWritten;
    return allWritten ? kSucceeded : kFailed;
}

int run(int argc, char** argv) {
    CLI::App app{"Roll pass design of hot-rolled I-beams, without a window.", "rolvanta-cli"};
    app.require_subcommand(1);
    app.set_help_all_flag("--help-all", "Print the help of every command");
    app.set_version_flag("-v,--version", std::string("rolvanta-cli ") + ROLVANTA_VERSION,
                         "Show the program's version and end");

    ComputeOptions o;
    CLI::App* computeCommand = app.add_subcommand(
        "compute",
        "Compute the pass schedule of a section and write the report (to standard output when "
        "no output is given). A number that is not accepted is a usage error.");
    // The section comes from one of the three; see refusedCombination.
    addValueOption(*computeCommand, "--profile", o.profile,
                   "A catalogue beam, such as \"MB 200\" (length 1000 mm, mass = mass per "
                   "length x 1000)",
                   "NAME");
    addValueOption(*computeCommand, "--section", o.section,
                   "A typed section; the area is computed from the web and the flanges",
                   "NAME,WEB_WIDTH,WEB_THICKNESS,FLANGE_HEIGHT,FLANGE_THICKNESS,ROOT_RADIUS,"
                   "TIP_RADIUS,FLANGE_SLOPE,MASS,LENGTH");
    addValueOption(*computeCommand, "--project", o.project,
                   "A saved project, loaded as Open Project loads it: a design (.rolx) with "
                   "its own coefficients, a project file (.rol) with the default ones",
                   "FILE.rol|FILE.rolx");
    addValueOption(*computeCommand, "--catalogue", o.catalogue,
                   "The catalogue for --profile (default: profile.dat in the working "
                   "directory, else the one installed with the program)",
                   "FILE");
    addValueOption(*computeCommand, "--passes", o.passes,
                   "Number of passes, a whole number from 5 to 13 (default 5)", "N");
    addValueOption(*computeCommand, "--temperature", o.temperature,
                   "Rolling temperature in degrees Celsius, 800 to 1200 (default 1000)", "T");
    CoefficientOptions& c = o.coefficients;
    addValueOption(*computeCommand, "--web-coefficients", c.webList,
                   "Web elongation coefficients separated by spaces, each above 0 and at most 3, "
                   "such as \"1.2 1.1 1\"",
                   "LIST");
    addValueOption(*computeCommand, "--live-coefficients", c.liveList,
                   "Live flange elongation coefficients", "LIST");
    addValueOption(*computeCommand, "--dead-coefficients", c.deadList,
                   "Dead flange elongation coefficients", "LIST");
    addValueOption(*computeCommand, "--web-limits", c.webLimits,
                   "Web coefficients interpolated from FROM to TO, each above 0 and at most 3 "
                   "(with the other two limit options)",
                   "FROM,TO");
    addValueOption(*computeCommand, "--live-limits", c.liveLimits, "Live flange limits", "FROM,TO");
    addValueOption(*computeCommand, "--dead-limits", c.deadLimits, "Dead flange limits", "FROM,TO");
    addValueOption(*computeCommand, "--report", o.report,
                   "Write the results report (- for standard output)", "FILE");
    addValueOption(*computeCommand, "--save", o.save,
                   "Write the project: a design with its coefficients when the name ends in "
                   ".rolx, else a project file (- for standard output)",
                   "FILE.rol|FILE.rolx");
    addValueOption(*computeCommand, "--csv", o.csv,
                   "Write the passes the report shows, every field, as CSV (- for standard "
                   "output)",
                   "FILE");
    addValueOption(*computeCommand, "--json", o.json,
                   "Write the section, the passes the report shows and the design's warnings as "
                   "JSON (- for standard output)",
                   "FILE");
    addDrawingOptions(*computeCommand, o.drawings, kPdfRenderer);
    addMillOption(*computeCommand, o.mill);
    addFlag(*computeCommand, "--strict", o.strict,
            "Exit with status 3 when the design has warnings (they are told on standard error "
            "in any case)");

    std::string projectPath, reportOutput, reportMill;
    DrawingOutputs reportDrawings;
    CLI::App* reportCommand =
        app.add_subcommand("report", "Write the report of a saved project, without recomputing");
    reportCommand->add_option("project", projectPath, "The project file or design")
        ->required()
        ->option_text("FILE.rol|FILE.rolx");
    addValueOption(*reportCommand, "--output", reportOutput,
                   "Where to write it (- for standard output, the default when no drawing is "
                   "asked for)",
                   "FILE");
    addDrawingOptions(*reportCommand, reportDrawings, kPdfRenderer);
    addMillOption(*reportCommand, reportMill);
    MillCommand millCommand;
    addMillCommand(app, millCommand);

    const CatalogueCommand catalogueCommand(app);

    if (const std::optional<int> answered = parseCommandLine(app, argc, argv)) return *answered;
    if (*computeCommand) return compute(o);
    if (*reportCommand) return report(projectPath, reportOutput, reportDrawings, reportMill);
    if (chosen(millCommand)) return runMillCommand(millCommand);
    return catalogueCommand.run();
}

}  // namespace
}  // namespace rolvanta::cli

int main(int argc, char** argv) { return rolvanta::cli::run(argc, argv); }
