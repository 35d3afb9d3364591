// rolvanta-cli: the pass design without a window. It computes a beam from
// the catalogue, a typed section or a saved project exactly as the desktop
// program would, writes the report, the project file and tables of the
// passes, and builds and lists the catalogue.
//
// Exit status: 0 on success, 1 on a failure (told on standard error), 2 on a
// usage error.

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "cli/catalogue_table.h"
#include "cli/design_exports.h"
#include "cli/design_inputs.h"
#include "cli/drawing_outputs.h"
#include "cli/standard_error_shell.h"
#include "engine/windows1252.h"
#include "storage/file_io.h"
#include "storage/profile_catalogue.h"
#include "storage/project_file.h"
#include "storage/results_report.h"

#ifdef ROLVANTA_CLI_PDF
#include "cli/pdf_output.h"
#endif

namespace rolvanta::cli {
namespace {

constexpr int kSucceeded = 0;
constexpr int kFailed = 1;
constexpr int kUsageError = 2;
constexpr const char* kStandardOutput = "-";

int fail(const std::string& message) {
    std::cerr << "rolvanta-cli: " << message << '\n';
    return kFailed;
}

// The folder of this program, where a build tree keeps the catalogue.
std::string programDirectory(const char* argv0) {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    const std::string program = length > 0 ? std::string(path, length) : std::string(argv0);
    const std::size_t slash = program.find_last_of('/');
    return slash == std::string::npos ? "." : program.substr(0, slash);
}

bool writeStandardOutput(const std::string& bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
           std::fflush(stdout) == 0;
}

// A failed write has been shown as the desktop program shows it; the tool
// also names the file.
bool named(bool written, const std::string& path) {
    if (!written) fail("could not write " + (path == kStandardOutput ? "standard output" : path));
    return written;
}

// Writes bytes to path ("-": standard output).
bool writeOutput(const std::string& path, const std::string& bytes, MessageShell& shell) {
    const bool written =
        path == kStandardOutput ? writeStandardOutput(bytes) : replaceFile(path, bytes);
    if (!written) shell.showMessage({"Cannot Open File", "Error"});
    return named(written, path);
}

// The report's date: the clock, or for reproducible test output the moment
// in ROLVANTA_REPORT_TIME ("2002-03-05 09:07:03").
ReportTime reportTime() {
    const char* fixed = std::getenv("ROLVANTA_REPORT_TIME");
    if (fixed == nullptr) return currentReportTime();
    ReportTime t;
    if (std::sscanf(fixed, "%d-%d-%d %d:%d:%d", &t.year, &t.month, &t.day, &t.hour, &t.minute,
                    &t.second) == 6) {
        return t;
    }
    std::cerr << "rolvanta-cli: ROLVANTA_REPORT_TIME is not \"YYYY-MM-DD hh:mm:ss\"; the clock "
                 "is used\n";
    return currentReportTime();
}

// The report as Save As writes it, its title the file's name. On a terminal
// the Windows-1252 text is shown in UTF-8 so that the degree sign reads.
bool writeReport(const std::string& path, const std::string& standardOutputTitle,
                 const Project& project, MessageShell& shell) {
    if (path != kStandardOutput) {
        return named(writeResultsReport(path, fileNameOf(path), project, reportTime(), shell),
                     path);
    }
    std::string report = formatResultsReport(project, standardOutputTitle, reportTime());
    if (::isatty(STDOUT_FILENO)) report = utf8FromWindows1252(report);
    return writeOutput(path, report, shell);
}

// The PDF report needs Qt; a tool built without it has no --pdf.
#ifdef ROLVANTA_CLI_PDF
constexpr PdfWriter kPdfWriter = writeReportPdf;
#else
constexpr PdfWriter kPdfWriter = nullptr;
#endif

// The drawings asked for; false when one could not be written.
bool writeDrawings(const DrawingOutputs& o, const Project& project, const std::string& title) {
    const std::vector<ExportResult> failures =
        writeDrawings(o, project, title, reportTime(), kPdfWriter);
    for (const ExportResult& failure : failures) fail(failure.message());
    return failures.empty();
}

CatalogueFiles catalogueFiles(const std::string& catalogue, const std::string& programDir) {
    if (catalogue.empty()) return defaultCatalogueFiles(programDir);
    CatalogueFiles files;
    files.working = catalogue;
    return files;
}

std::string describe(const CatalogueFiles& files) {
    return files.installed.empty() ? files.working : files.working + " or " + files.installed;
}

struct ComputeOptions {
    std::string profile, section, project, catalogue;
    std::string passes, temperature;  // empty: not given
    CoefficientInput coefficients;
    std::string report, save, csv, json;
    DrawingOutputs drawings;
};

int compute(const ComputeOptions& o, const std::string& programDir) {
    StandardErrorShell shell;
    Project project;
    startNewProject(project);
    std::string standardOutputTitle;

    if (!o.profile.empty()) {
        const CatalogueFiles files = catalogueFiles(o.catalogue, programDir);
        ProfileList catalogue;
        if (!loadProfileCatalogue(catalogue, files, &shell)) {
            return fail("cannot read the catalogue " + describe(files));
        }
        const std::string name = windows1252FromUtf8(o.profile);
        const ProfileRecord* found = nullptr;
        for (const ProfileRecord& record : catalogue) {
            if (std::strncmp(record.name, name.c_str(), kNameFieldSize) == 0) {
                found = &record;
                break;
            }
        }
        if (found == nullptr) {
            return fail("no beam named \"" + o.profile + "\" in the catalogue " + describe(files) +
                        " (rolvanta-cli catalogue list shows them)");
        }
        takeCatalogueProfile(project, *found);
        standardOutputTitle = o.profile;
    } else if (!o.section.empty()) {
        takeTypedSection(project, o.section);  // the option's check has counted the fields
        standardOutputTitle = o.section.substr(0, o.section.find(','));
    } else {
        if (!readProjectFile(o.project, project, shell)) return kFailed;
        // Open Project's flags, set after a good read.
        project.flags.lastSaveKind = kSavedAsProjectFile;
        project.flags.projectStarted = 1;
        project.flags.customEntered = 1;
        project.flags.hasFileName = 1;
        standardOutputTitle = fileNameOf(o.project);
    }

    // A new section gets what Setup gives for what was not given; an opened
    // project keeps its own values unless they are given.
    if (o.project.empty()) {
        applySetup(project, o.passes, o.temperature);
    } else if (!o.passes.empty() || !o.temperature.empty()) {
        if (!o.passes.empty()) project.section.passCount = setupPassCount(o.passes);
        if (!o.temperature.empty()) project.section.temperature = setupTemperature(o.temperature);
        project.flags.setupDone = 1;
    }

    if (o.coefficients.given()) {
        applyCoefficients(project, o.coefficients);  // the options' checks have read the pairs
    } else if (o.project.empty()) {
        acceptCurrentCoefficients(project);
    }

    computeProject(project);

    const bool anyOutput = !o.report.empty() || !o.save.empty() || !o.csv.empty() ||
                           !o.json.empty() || o.drawings.any();
    bool written = true;
    auto write = [&](bool ok) { written = ok && written; };
    if (!o.save.empty()) {
        write(o.save == kStandardOutput ? writeOutput(o.save, encodeProjectFile(project), shell)
                                        : named(writeProjectFile(o.save, project, shell), o.save));
    }
    if (!o.report.empty() || !anyOutput) {
        write(writeReport(anyOutput ? o.report : kStandardOutput, standardOutputTitle, project,
                          shell));
    }
    if (!o.csv.empty()) write(writeOutput(o.csv, formatPassesCsv(project), shell));
    if (!o.json.empty()) write(writeOutput(o.json, formatDesignJson(project), shell));
    // The PDF's header names the file as the text report's does: its own.
    write(writeDrawings(o.drawings, project, fileNameOf(o.drawings.pdf)));
    return written ? kSucceeded : kFailed;
}

// Without --output or a drawing, the report goes to standard output.
int report(const std::string& projectPath, const std::string& output,
           const DrawingOutputs& drawings) {
    StandardErrorShell shell;
    Project project;
    startNewProject(project);
    if (!readProjectFile(projectPath, project, shell)) return kFailed;
    const std::string title = fileNameOf(projectPath);
    bool written = true;
    if (!output.empty() || !drawings.any()) {
        written = writeReport(output.empty() ? kStandardOutput : output, title, project, shell);
    }
    written = writeDrawings(drawings, project, title) && written;
    return written ? kSucceeded : kFailed;
}

int listCatalogue(const std::string& catalogue, const std::string& programDir) {
    StandardErrorShell shell;
    const CatalogueFiles files = catalogueFiles(catalogue, programDir);
    ProfileList list;
    if (!loadProfileCatalogue(list, files, &shell)) {
        return fail("cannot read the catalogue " + describe(files));
    }
    return writeOutput(kStandardOutput, formatCatalogueListing(list), shell) ? kSucceeded : kFailed;
}

int buildCatalogue(const std::string& tablePath, const std::string& output) {
    StandardErrorShell shell;
    std::string table;
    if (readWholeFile(tablePath, table) != FileReadStatus::Ok) {
        return fail("cannot read " + tablePath);
    }
    std::vector<ProfileRecord> records;
    std::string error;
    if (!readBeamTable(table, records, error)) return fail(tablePath + ": " + error);
    ProfileList list;
    list.assignFromFileOrder(std::move(records));
    return writeOutput(output, encodeProfileRecords(list), shell) ? kSucceeded : kFailed;
}

// CLI11 checks: "" when the text is acceptable, else what is wrong.
std::string tenFields(const std::string& text) {
    return std::count(text.begin(), text.end(), ',') == 9
               ? ""
               : "a section is NAME and nine numbers, separated by commas";
}

std::string limitPair(const std::string& text) {
    return std::count(text.begin(), text.end(), ',') == 1 ? "" : "limits are FROM,TO";
}

int run(int argc, char** argv) {
    CLI::App app{"Roll pass design of hot-rolled I-beams, without a window.", "rolvanta-cli"};
    app.require_subcommand(1);
    app.set_help_all_flag("--help-all", "Print the help of every command");

    ComputeOptions o;
    CLI::App* computeCommand = app.add_subcommand(
        "compute",
        "Compute the pass schedule of a section and write the report (to standard output when "
        "no output is given). Every input is read as the desktop program's dialogs read it.");
    CLI::Option_group* source =
        computeCommand->add_option_group("section source", "Where the section comes from");
    source
        ->add_option("--profile", o.profile,
                     "A catalogue beam, such as \"MB 200\" (length 1000 mm, mass = mass per "
                     "length x 1000)")
        ->option_text("NAME");
    source
        ->add_option("--section", o.section,
                     "A typed section; the area is computed from the web and the flanges")
        ->option_text(
            "NAME,WEB_WIDTH,WEB_THICKNESS,FLANGE_HEIGHT,FLANGE_THICKNESS,ROOT_RADIUS,TIP_RADIUS,"
            "FLANGE_SLOPE,MASS,LENGTH")
        ->check(tenFields);
    source->add_option("--project", o.project, "A saved project, loaded as Open Project loads it")
        ->option_text("FILE.rol");
    source->require_option(1);
    computeCommand
        ->add_option("--catalogue", o.catalogue,
                     "The catalogue for --profile (default: profile.dat in the working "
                     "directory, else the one installed with the program)")
        ->option_text("FILE");
    computeCommand->add_option("--passes", o.passes, "Number of passes, 5 to 13 (default 5)")
        ->option_text("N");
    computeCommand
        ->add_option("--temperature", o.temperature,
                     "Rolling temperature in degrees Celsius, 800 to 1200 (default 1000)")
        ->option_text("T");
    CoefficientInput& c = o.coefficients;
    computeCommand
        ->add_option("--web-coefficients", c.webList,
                     "Web elongation coefficients separated by spaces, such as \"1.2 1.1 1\"")
        ->option_text("LIST");
    computeCommand
        ->add_option("--live-coefficients", c.liveList, "Live flange elongation coefficients")
        ->option_text("LIST");
    computeCommand
        ->add_option("--dead-coefficients", c.deadList, "Dead flange elongation coefficients")
        ->option_text("LIST");
    CLI::Option* webLimits =
        computeCommand
            ->add_option("--web-limits", c.webLimits,
                         "Web coefficients interpolated from FROM to TO (with the other two "
                         "limit options)")
            ->option_text("FROM,TO")
            ->check(limitPair);
    CLI::Option* liveLimits =
        computeCommand->add_option("--live-limits", c.liveLimits, "Live flange limits")
            ->option_text("FROM,TO")
            ->check(limitPair);
    CLI::Option* deadLimits =
        computeCommand->add_option("--dead-limits", c.deadLimits, "Dead flange limits")
            ->option_text("FROM,TO")
            ->check(limitPair);
    webLimits->needs(liveLimits)->needs(deadLimits);
    liveLimits->needs(webLimits)->needs(deadLimits);
    deadLimits->needs(webLimits)->needs(liveLimits);
    computeCommand
        ->add_option("--report", o.report, "Write the results report (- for standard output)")
        ->option_text("FILE");
    computeCommand->add_option("--save", o.save, "Write the project file")->option_text("FILE.rol");
    computeCommand->add_option("--csv", o.csv, "Write every pass with every field as CSV")
        ->option_text("FILE");
    computeCommand->add_option("--json", o.json, "Write the section and every pass as JSON")
        ->option_text("FILE");
    addDrawingOptions(*computeCommand, o.drawings, kPdfWriter);

    std::string projectPath, reportOutput;
    DrawingOutputs reportDrawings;
    CLI::App* reportCommand =
        app.add_subcommand("report", "Write the report of a saved project, without recomputing");
    reportCommand->add_option("project", projectPath, "The project file")
        ->required()
        ->option_text("FILE.rol");
    reportCommand
        ->add_option("--output", reportOutput,
                     "Where to write it (- for standard output, the default when no drawing "
                     "is asked for)")
        ->option_text("FILE");
    addDrawingOptions(*reportCommand, reportDrawings, kPdfWriter);

    CLI::App* catalogueCommand = app.add_subcommand("catalogue", "List or build the catalogue");
    catalogueCommand->require_subcommand(1);
    std::string listedCatalogue, tablePath, builtCatalogue;
    CLI::App* listCommand = catalogueCommand->add_subcommand(
        "list", "List the beams in catalogue order with their dimensions");
    listCommand
        ->add_option("--catalogue", listedCatalogue,
                     "The catalogue file (default: profile.dat in the working directory, else "
                     "the one installed with the program)")
        ->option_text("FILE");
    CLI::App* buildCommand =
        catalogueCommand->add_subcommand("build", "Write a catalogue file from a table of beams");
    buildCommand->add_option("table", tablePath, "The table of beams (CSV)")
        ->required()
        ->option_text("CSV");
    buildCommand->add_option("catalogue", builtCatalogue, "The catalogue file to write")
        ->required()
        ->option_text("OUT");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? kSucceeded : kUsageError;
    }

    const std::string programDir = programDirectory(argv[0]);
    if (*computeCommand) return compute(o, programDir);
    if (*reportCommand) return report(projectPath, reportOutput, reportDrawings);
    if (*listCommand) return listCatalogue(listedCatalogue, programDir);
    return buildCatalogue(tablePath, builtCatalogue);
}

}  // namespace
}  // namespace rolvanta::cli

int main(int argc, char** argv) { return rolvanta::cli::run(argc, argv); }
