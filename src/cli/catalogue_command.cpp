#include "cli/catalogue_command.h"

#include <CLI/CLI.hpp>
#include <cstring>
#include <iostream>

#include "cli/catalogue_table.h"
#include "cli/command_line.h"
#include "cli/design_inputs.h"
#include "cli/output_file.h"
#include "engine/windows1252.h"
#include "project/catalogue_addition.h"
#include "project/project_life.h"
#include "storage/file_io.h"

namespace rolvanta::cli {

namespace {

constexpr const char* kCatalogueHelp =
    "The catalogue file (default: profile.dat in the working directory, else the one installed "
    "with the program)";

bool told(const StorageResult& error) {
    if (error) fail(describeStorageError(*error));
    return !error;
}

int listCatalogue(const std::string& catalogue) {
    ProfileList list;
    if (!loadCatalogue(list, catalogueFiles(catalogue))) return kFailed;
    return told(writeOutput(kStandardOutput, formatCatalogueListing(list))) ? kSucceeded : kFailed;
}

int buildCatalogue(const std::string& tablePath, const std::string& output) {
    std::string table;
    if (!told(readWholeFile(tablePath, table))) return kFailed;
    std::vector<ProfileRecord> records;
    std::string error;
    if (!readBeamTable(table, records, error)) return fail(tablePath + ": " + error);
    ProfileList list;
    list.assignFromFileOrder(std::move(records));
    return told(writeOutput(output, encodeProfileRecords(list))) ? kSucceeded : kFailed;
}

// A typed section, taken as the Custom Profiles dialog takes it, added by
// the dialog's rule; a name already there is replaced only with --replace.
int addProfile(const CatalogueOptions& o) {
    if (o.addedTo == kStandardOutput) {
        return usage(
            "--catalogue: \"-\" is not accepted: the catalogue is rewritten in place, "
            "which standard output cannot be (./- names a file called -)");
    }
    CustomSectionFields typed;
    if (auto error = readSectionOption(o.section, typed)) return usage(error->message);
    Project project;
    startUpProject(project);
    beginNewProject(project);
    if (InputResult r = takeCustomSection(project, typed); !r.accepted()) {
        return usage(usageError(*r.problem).message);
    }
    const CatalogueFiles files = catalogueFiles(o.addedTo);
    ProfileList list;
    const CatalogueAddition added =
        addToCatalogue(list, project.section, files, [&o](const std::string&) {
            return o.replace ? SameNameAnswer::Replace : SameNameAnswer::Cancel;
        });
    const std::string name = utf8FromWindows1252(typed.name);
    if (added.outcome == AdditionOutcome::Cancelled) {
        return fail("a beam named \"" + shownValue(name) + "\" is already in " + files.working +
                    "; --replace replaces it");
    }
    if (const std::optional<StorageError>& error = added.failure) {
        if (error->what == StorageFailure::NotValid) {
            return fail(describeDamagedCatalogue(*error) + "; the beam was not added");
        }
        return fail(describeStorageError(*error));
    }
    return kSucceeded;
}

}  // namespace

CatalogueFiles catalogueFiles(const std::string& catalogue) {
    if (catalogue.empty()) return defaultCatalogueFiles(programDirectory());
    CatalogueFiles files;
    files.working = catalogue;
    return files;
}

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

CatalogueCommand::CatalogueCommand(CLI::App& app) {
    catalogue_ = app.add_subcommand("catalogue", "List, build or add to the catalogue");
    catalogue_->require_subcommand(1);
    list_ = catalogue_->add_subcommand("list",
                                       "List the beams in catalogue order with their dimensions");
    addValueOption(*list_, "--catalogue", o_.listed, kCatalogueHelp, "FILE");
    build_ = catalogue_->add_subcommand("build", "Write a catalogue file from a table of beams");
    build_->add_option("table", o_.table, "The table of beams (CSV)")
        ->required()
        ->option_text("CSV");
    build_->add_option("catalogue", o_.built, "The catalogue file to write (- for standard output)")
        ->required()
        ->option_text("OUT");
    add_ = catalogue_->add_subcommand(
        "add",
        "Add a typed section to the catalogue, as Custom Profiles adds it: the whole file is "
        "rewritten, a damaged one is left as it is");
    addValueOption(*add_, "--section", o_.section,
                   "The section, as compute takes it; the area is computed from the web and the "
                   "flanges",
                   "NAME,WEB_WIDTH,WEB_THICKNESS,FLANGE_HEIGHT,FLANGE_THICKNESS,ROOT_RADIUS,"
                   "TIP_RADIUS,FLANGE_SLOPE,MASS,LENGTH")
        ->required();
    addValueOption(*add_, "--catalogue", o_.addedTo,
                   "The catalogue file to add to (default: profile.dat in the working "
                   "directory, made from the one installed with the program when missing)",
                   "FILE");
    addFlag(*add_, "--replace", o_.replace,
            "Replace the beams of the same name (without it such a name is refused)");
}

bool CatalogueCommand::given() const { return static_cast<bool>(*catalogue_); }

int CatalogueCommand::run() const {
    if (*list_) return listCatalogue(o_.listed);
    if (*build_) return buildCatalogue(o_.table, o_.built);
    return addProfile(o_);
}

}  // namespace rolvanta::cli
