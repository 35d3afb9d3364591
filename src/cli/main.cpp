// rolvanta-cli: the pass design without a window. It computes a beam from
// the catalogue, a typed section or a saved project exactly as the desktop
// program would, writes the report, the project file and tables of the
// passes, builds and lists the catalogue, and writes the example mill.
//
// Exit status: 0 on success, 1 on a failure (told on standard error), 2 on a
// usage error, 3 with --strict when the design has warnings (each told on
// standard error, whether strict or not).

#include <CLI/CLI.hpp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "cli/catalogue_table.h"
#include "cli/design_inputs.h"
#include "cli/drawing_outputs.h"
#include "cli/mill_command.h"
#include "engine/windows1252.h"
#include "project/design_inputs.h"
#include "project/load_checks.h"
#include "project/project_life.h"
#include "storage/design_file.h"
#include "storage/file_io.h"
#include "storage/profile_catalogue.h"
#include "storage/project_file.h"
#include "storage/results_report.h"
#include "storage/schedule_export.h"

#ifdef ROLVANTA_CLI_PDF
#include "cli/pdf_output.h"
#endif

namespace rolvanta::cli {
namespace {

constexpr int kSucceeded = 0;
constexpr int kFailed = 1;
constexpr int kUsageError = 2;
constexpr int kWarned = 3;
constexpr const char* kStandardOutput = "-";

int fail(const std::string& message) {
    std::cerr << "rolvanta-cli: " << message << '\n';
    return kFailed;
}

int usage(const UsageError& error) {
    std::cerr << "rolvanta-cli: " << error.message << '\n';
    return kUsageError;
}

// True when written; a failure is told in one line.
bool told(const StorageResult& error) {
    if (error) fail(describeStorageError(*error));
    return !error;
}

// Writes bytes to path ("-": standard output).
bool writeOutput(const std::string& path, const std::string& bytes) {
    return told(path == kStandardOutput ? writeStandardOutput(bytes) : replaceFile(path, bytes));
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
    return writeOutput(path, report);
}

// The PDF report needs Qt; a tool built without it has no --pdf.
#ifdef ROLVANTA_CLI_PDF
constexpr PdfWriter kPdfWriter = writeReportPdf;
#else
constexpr PdfWriter kPdfWriter = nullptr;
#endif

// The drawings asked for; false when one could not be written.
bool writeDrawings(const DrawingOutputs& o, const Project& project, const std::string& title) {
    const std::vector<StorageError> failures =
        writeDrawings(o, project, title, reportTime(), kPdfWriter);
    for (const StorageError& failure : failures) fail(describeStorageError(failure));
    return failures.empty();
}

CatalogueFiles catalogueFiles(const std::string& catalogue) {
    if (catalogue.empty()) return defaultCatalogueFiles(programDirectory());
    CatalogueFiles files;
    files.working = catalogue;
    return files;
}

// Loads the catalogue; a damaged or empty working file is told, and the
// installed catalogue is used in its place when there is one.
bool loadCatalogue(ProfileList& list, const CatalogueFiles& files) {
    std::optional<StorageError> passedOver;
    const StorageResult error = loadProfileCatalogue(list, files, &passedOver);
    if (error && error->what == StorageFailure::NotValid) {
        fail(describeDamagedCatalogue(*error));
        return false;
    }
    if (passedOver) {
        std::cerr << "rolvanta-cli: " << describeDamagedCatalogue(*passedOver)
                  << "; the catalogue installed with the program is used instead\n";
    }
    return told(error);
}

struct ComputeOptions {
    std::string profile, section, project, catalogue;
    std::string passes, temperature;  // empty: not given
    std::string webList, liveList, deadList;
    std::string webLimits, liveLimits, deadLimits;  // empty: not given
    std::string report, save, csv, json;
    std::string mill;  // empty: none
    DrawingOutputs drawings;
    bool strict = false;

    bool coefficientsGiven() const {
        return !webList.empty() || !liveList.empty() || !deadList.empty() || !webLimits.empty();
    }
};

// Every text option read strictly, before anything is read from a file.
std::optional<UsageError> readCoefficientOptions(const ComputeOptions& o,
                                                 CoefficientFields& fields) {
    const struct {
        InputField field;
        const std::string& text;
        std::string& list;
    } lists[] = {{InputField::WebList, o.webList, fields.webList},
                 {InputField::LiveList, o.liveList, fields.liveList},
                 {InputField::DeadList, o.deadList, fields.deadList}};
    for (const auto& l : lists) {
        if (auto error = readCoefficientList(l.field, l.text, l.list)) return error;
    }
    if (o.webLimits.empty()) return std::nullopt;  // the three come together or not at all
    CoefficientLimits limits;
    const struct {
        InputField field;
        const std::string& text;
        float& from;
        float& to;
    } pairs[] = {{InputField::WebFrom, o.webLimits, limits.webFrom, limits.webTo},
                 {InputField::LiveFrom, o.liveLimits, limits.liveFrom, limits.liveTo},
                 {InputField::DeadFrom, o.deadLimits, limits.deadFrom, limits.deadTo}};
    for (const auto& p : pairs) {
        if (auto error = readLimitPair(p.field, p.text, p.from, p.to)) return error;
    }
    fields.limits = limits;
    return std::nullopt;
}

int compute(const ComputeOptions& o) {
    CustomSectionFields typed;
    if (!o.section.empty()) {
        if (auto error = readSectionOption(o.section, typed)) return usage(*error);
    }
    // A new section gets what an empty Setup gives for what was not given.
    SetupFields setup{static_cast<unsigned long>(kFewestPasses), kUsualTemperature};
    if (auto error = readSetupOptions(o.passes, o.temperature, setup)) return usage(*error);
    CoefficientFields coefficients;
    if (auto error = readCoefficientOptions(o, coefficients)) return usage(*error);

    ProjectDocument document;
    Project& project = document.project;
    startUpProject(project);
    beginNewProject(project);
    std::string standardOutputTitle;

    if (!o.profile.empty()) {
        const CatalogueFiles files = catalogueFiles(o.catalogue);
        ProfileList catalogue;
        if (!loadCatalogue(catalogue, files)) return kFailed;
        const std::string name = windows1252FromUtf8(o.profile);
        const ProfileRecord* found = nullptr;
        for (const ProfileRecord& record : catalogue) {
            if (std::strncmp(record.name, name.c_str(), kNameFieldSize) == 0) {
                found = &record;
                break;
            }
        }
        if (found == nullptr) {
            return fail("no beam named \"" + o.profile + "\" in the catalogue (rolvanta-cli " +
                        "catalogue list shows them)");
        }
        // The beam as the standard profile dialog shows it and reads it back.
        if (InputResult r = takeStandardSection(project, shownFieldsOfProfile(*found));
            !r.accepted()) {
            return fail("the catalogue beam \"" + o.profile +
                        "\" is not accepted: " + fieldLabel(r.problem->field) + " " +
                        r.problem->value + ", accepted: " + r.problem->accepted);
        }
        standardOutputTitle = o.profile;
    } else if (!o.section.empty()) {
        if (InputResult r = takeCustomSection(project, typed); !r.accepted()) {
            return usage(usageError(*r.problem));
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
        if (!r.accepted()) return usage(usageError(*r.problem));
        tellNote(r.note);
    }
    if (o.coefficientsGiven()) {
        if (InputResult r = applyCoefficients(project, coefficients); !r.accepted()) {
            return usage(usageError(*r.problem));
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
    bool written = true;
    auto write = [&](bool ok) { written = ok && written; };
    if (!o.save.empty()) {
        // The kind its name ends in: ".rolx" a design, anything else a
        // project file (standard output too).
        if (o.save == kStandardOutput) {
            write(writeOutput(o.save, encodeProjectFile(project)));
        } else if (openedKindOf(o.save) == SaveKind::Design) {
            write(told(writeDesignFile(o.save, project)));
        } else {
            write(told(writeProjectFile(o.save, project)));
        }
    }
    if (!o.report.empty() || !anyOutput) {
        write(writeReport(anyOutput ? o.report : kStandardOutput, standardOutputTitle, project));
    }
    if (!o.csv.empty()) write(writeOutput(o.csv, formatScheduleCsv(project, warnings)));
    if (!o.json.empty()) write(writeOutput(o.json, formatScheduleJson(project, warnings)));
    // The PDF's header names the file as the text report's does: its own.
    write(writeDrawings(o.drawings, project, fileNameOf(o.drawings.pdf)));
    if (!written) return kFailed;
    return o.strict && !warnings.empty() ? kWarned : kSucceeded;
}

// Without --output or a drawing, the report goes to standard output.
int report(const std::string& projectPath, const std::string& output,
           const DrawingOutputs& drawings, const std::string& mill) {
    ProjectDocument document;
    startUpProject(document.project);
    const std::string title = fileNameOf(projectPath);
    if (!told(openProjectFile(document, projectPath, title))) return kFailed;
    if (!mill.empty() && !takeMillFile(mill, document.project)) return kFailed;
    bool written = true;
    if (!output.empty() || !drawings.any()) {
        written = writeReport(output.empty() ? kStandardOutput : output, title, document.project);
    }
    written = writeDrawings(drawings, document.project, title) && written;
    return written ? kSucceeded : kFailed;
}

int listCatalogue(const std::string& catalogue) {
    ProfileList list;
    if (!loadCatalogue(list, catalogueFiles(catalogue))) return kFailed;
    return writeOutput(kStandardOutput, formatCatalogueListing(list)) ? kSucceeded : kFailed;
}

int buildCatalogue(const std::string& tablePath, const std::string& output) {
    std::string table;
    if (!told(readWholeFile(tablePath, table))) return kFailed;
    std::vector<ProfileRecord> records;
    std::string error;
    if (!readBeamTable(table, records, error)) return fail(tablePath + ": " + error);
    ProfileList list;
    list.assignFromFileOrder(std::move(records));
    return writeOutput(output, encodeProfileRecords(list)) ? kSucceeded : kFailed;
}

int run(int argc, char** argv) {
    CLI::App app{"Roll pass design of hot-rolled I-beams, without a window.", "rolvanta-cli"};
    app.require_subcommand(1);
    app.set_help_all_flag("--help-all", "Print the help of every command");

    ComputeOptions o;
    CLI::App* computeCommand = app.add_subcommand(
        "compute",
        "Compute the pass schedule of a section and write the report (to standard output when "
        "no output is given). A number that is not accepted is a usage error.");
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
            "FLANGE_SLOPE,MASS,LENGTH");
    source
        ->add_option("--project", o.project,
                     "A saved project, loaded as Open Project loads it: a design (.rolx) with "
                     "its own coefficients, a project file (.rol) with the default ones")
        ->option_text("FILE.rol|FILE.rolx");
    source->require_option(1);
    computeCommand
        ->add_option("--catalogue", o.catalogue,
                     "The catalogue for --profile (default: profile.dat in the working "
                     "directory, else the one installed with the program)")
        ->option_text("FILE");
    computeCommand
        ->add_option("--passes", o.passes,
                     "Number of passes, a whole number from 5 to 13 (default 5)")
        ->option_text("N");
    computeCommand
        ->add_option("--temperature", o.temperature,
                     "Rolling temperature in degrees Celsius, 800 to 1200 (default 1000)")
        ->option_text("T");
    computeCommand
        ->add_option("--web-coefficients", o.webList,
                     "Web elongation coefficients separated by spaces, such as \"1.2 1.1 1\"")
        ->option_text("LIST");
    computeCommand
        ->add_option("--live-coefficients", o.liveList, "Live flange elongation coefficients")
        ->option_text("LIST");
    computeCommand
        ->add_option("--dead-coefficients", o.deadList, "Dead flange elongation coefficients")
        ->option_text("LIST");
    CLI::Option* webLimits =
        computeCommand
            ->add_option("--web-limits", o.webLimits,
                         "Web coefficients interpolated from FROM to TO (with the other two "
                         "limit options)")
            ->option_text("FROM,TO");
    CLI::Option* liveLimits =
        computeCommand->add_option("--live-limits", o.liveLimits, "Live flange limits")
            ->option_text("FROM,TO");
    CLI::Option* deadLimits =
        computeCommand->add_option("--dead-limits", o.deadLimits, "Dead flange limits")
            ->option_text("FROM,TO");
    webLimits->needs(liveLimits)->needs(deadLimits);
    liveLimits->needs(webLimits)->needs(deadLimits);
    deadLimits->needs(webLimits)->needs(liveLimits);
    computeCommand
        ->add_option("--report", o.report, "Write the results report (- for standard output)")
        ->option_text("FILE");
    computeCommand
        ->add_option("--save", o.save,
                     "Write the project: a design with its coefficients when the name ends in "
                     ".rolx, else a project file")
        ->option_text("FILE.rol|FILE.rolx");
    computeCommand
        ->add_option("--csv", o.csv, "Write the passes the report shows, every field, as CSV")
        ->option_text("FILE");
    computeCommand
        ->add_option(
            "--json", o.json,
            "Write the section, the passes the report shows and the design's warnings as JSON")
        ->option_text("FILE");
    addDrawingOptions(*computeCommand, o.drawings, kPdfWriter);
    addMillOption(*computeCommand, o.mill);
    computeCommand->add_flag("--strict", o.strict,
                             "Exit with status 3 when the design has warnings (they are told on "
                             "standard error in any case)");

    std::string projectPath, reportOutput, reportMill;
    DrawingOutputs reportDrawings;
    CLI::App* reportCommand =
        app.add_subcommand("report", "Write the report of a saved project, without recomputing");
    reportCommand->add_option("project", projectPath, "The project file or design")
        ->required()
        ->option_text("FILE.rol|FILE.rolx");
    reportCommand
        ->add_option("--output", reportOutput,
                     "Where to write it (- for standard output, the default when no drawing "
                     "is asked for)")
        ->option_text("FILE");
    addDrawingOptions(*reportCommand, reportDrawings, kPdfWriter);
    addMillOption(*reportCommand, reportMill);
    MillCommand millCommand;
    addMillCommand(app, millCommand);

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

    if (*computeCommand) return compute(o);
    if (*reportCommand) return report(projectPath, reportOutput, reportDrawings, reportMill);
    if (chosen(millCommand)) return runMillCommand(millCommand);
    if (*listCommand) return listCatalogue(listedCatalogue);
    return buildCatalogue(tablePath, builtCatalogue);
}

}  // namespace
}  // namespace rolvanta::cli

int main(int argc, char** argv) { return rolvanta::cli::run(argc, argv); }
