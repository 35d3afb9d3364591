#include "project/project_life.h"

#include <cctype>

#include "engine/pass_schedule.h"
#include "project/mill_inputs.h"
#include "storage/design_file.h"
#include "storage/file_io.h"
#include "storage/project_file.h"
#include "storage/results_report.h"

namespace rolvanta {

void startUpProject(Project& project) {
    resetProjectFlags(project.flags);
    resetBeamSection(project.section);
    loadDefaultCoefficients(project.coefficients);
    project.mill.reset();
    project.loads.clear();
    project.limits.reset();
}

// A new design starts as the program does: from the standard coefficients,
// not from lists or limits typed for the one before, nor from its mill (a
// mill file brings that back).
void beginNewProject(Project& project) {
    startUpProject(project);
    project.flags.projectStarted = true;
}

namespace {

// A design's mill is checked as a mill file is, and has one stand per pass
// of the design (any number while the design has no Setup yet).
StorageResult checkOpenedMill(const Project& project, const std::string& path) {
    if (!project.mill) return std::nullopt;
    const int stands = static_cast<int>(project.mill->stands.size());
    std::optional<MillProblem> problem = checkMill(*project.mill, stands);
    const int passes = project.section.passCount;
    if (!problem && passes > 0 && stands != passes) problem = checkMill(*project.mill, passes);
    if (!problem) return std::nullopt;
    std::string reason = "mill: " + describeMillProblem(*problem);
    for (char& c : reason) {
        if (c == '\n') c = ' ';
    }
    return StorageError{StorageFailure::NotValid, path, reason};
}

}  // namespace

SaveKind openedKindOf(const std::string& path) {
    static const std::string design = ".rolx";
    if (path.size() < design.size()) return SaveKind::ProjectFile;
    for (std::size_t i = 0; i < design.size(); ++i) {
        const char c = path[path.size() - design.size() + i];
        if (std::tolower(static_cast<unsigned char>(c)) != design[i]) return SaveKind::ProjectFile;
    }
    return SaveKind::Design;
}

ProjectFormat projectFormatFor(SaveKind kind) {
    if (kind == SaveKind::Design) return {SaveKind::Design, readDesignFile, encodeDesignFile};
    return {SaveKind::ProjectFile, readProjectFile, encodeProjectFile};
}

ProjectFormat projectFormatOf(const std::string& path) {
    return projectFormatFor(openedKindOf(path));
}

StorageResult openProjectFile(ProjectDocument& document, const std::string& path,
                              const std::string& title) {
    Project opened = document.project;
    const ProjectFormat format = projectFormatOf(path);
    // A design brings its own coefficient set and its mill, if it has one; a
    // project file leaves the program's coefficients as they are, and holds
    // no mill.
    opened.mill.reset();
    if (format.kind == SaveKind::Design) opened.limits.reset();  // the file's rows replace them
    if (StorageResult error = format.read(path, opened)) return error;
    if (StorageResult error = checkOpenedMill(opened, path)) return error;
    // What the file says of these four is about the session that saved it.
    opened.flags.lastSaveKind = format.kind;
    opened.flags.projectStarted = true;
    opened.flags.customEntered = true;  // an opened project can be computed at once
    opened.flags.hasFileName = true;
    computeProjectLoads(opened);
    document.project = opened;
    document.filePath = path;
    document.fileTitle = title;
    return std::nullopt;
}

SaveKind saveKindOf(FileType type) {
    switch (type) {
        case FileType::Project:
            return SaveKind::ProjectFile;
        case FileType::Report:
            return SaveKind::Report;
        case FileType::Design:
            break;
    }
    return SaveKind::Design;
}

std::string pathWithExtension(const std::string& path, SaveKind kind) {
    const char* extension = kind == SaveKind::ProjectFile ? ".rol"
                            : kind == SaveKind::Report    ? ".txt"
                            : kind == SaveKind::Design    ? ".rolx"
                                                          : nullptr;
    if (extension == nullptr || path.find(extension) != std::string::npos) return path;
    return path + extension;
}

StorageResult saveProjectTo(ProjectDocument& document, const SaveTarget& target) {
    StorageResult error;
    switch (target.kind) {
        case SaveKind::ProjectFile:
        case SaveKind::Design:
            error =
                replaceFile(target.path, projectFormatFor(target.kind).encode(document.project));
            break;
        case SaveKind::Report:
            error = writeResultsReport(target.path, target.title, document.project,
                                       currentReportTime());
            break;
        case SaveKind::Nothing:
            return StorageError{StorageFailure::Refused, target.path, "no file type chosen"};
    }
    if (error) return error;
    // The flags change only after the write, so the file holds them as they
    // were before this save.
    document.filePath = target.path;
    document.fileTitle = target.title;
    document.project.flags.lastSaveKind = target.kind;
    return std::nullopt;
}

void markSavedAs(Project& project) {
    project.flags.projectStarted = true;
    project.flags.hasFileName = true;
}

std::optional<SaveTarget> currentSaveTarget(const ProjectDocument& document) {
    const SaveKind kind = document.project.flags.lastSaveKind;
    // A file name without a kind cannot come from a save or an open; Save As
    // asks where and how rather than write nothing and claim success.
    if (!document.project.flags.hasFileName || kind == SaveKind::Nothing) return std::nullopt;
    return SaveTarget{document.filePath, document.fileTitle, kind};
}

std::string startUpTitle() { return std::string(kProgramName) + " - Start New Project"; }

std::string newProjectTitle() { return std::string(kProgramName) + " - New Project Started"; }

std::string fileTitle(const ProjectDocument& document) {
    // The name of the file itself, as Open gives it: after a Save As the
    // dialog's title lacks the extension the save appended.
    const std::string title = document.filePath.empty() ? "no name" : fileNameOf(document.filePath);
    return std::string(kProgramName) + " - " + title + " ( " + document.filePath + " )";
}

std::string windowTitle(const ProjectDocument& document, bool unsavedChanges) {
    const ProjectFlags& flags = document.project.flags;
    const std::string title = !flags.projectStarted ? startUpTitle()
                              : flags.hasFileName   ? fileTitle(document)
                                                    : newProjectTitle();
    return unsavedChanges ? title + " *" : title;
}

MissingStep computePrecondition(const Project& project) {
    const ProjectFlags& flags = project.flags;
    if (!flags.projectStarted) return MissingStep::Project;
    if (!flags.customEntered && !flags.standardChosen) return MissingStep::Profile;
    // A typed or opened section brings the default coefficients, but no
    // pass count: a schedule of 0 passes is no design.
    if (flags.customEntered ? project.section.passCount <= 0 : !flags.setupDone) {
        return MissingStep::Setup;
    }
    if (!flags.customEntered && !flags.coefficientsGiven) return MissingStep::Coefficients;
    return MissingStep::Nothing;
}

std::string missingStepNote(MissingStep step) {
    switch (step) {
        case MissingStep::Nothing:
            break;
        case MissingStep::Project:
            return "Please Start New Project !";
        case MissingStep::Profile:
            return "Choose a profile first (Inputs \u203A Profile Dimensions)";
        case MissingStep::Setup:
            return "Run Setup first (Inputs \u203A Setup)";
        case MissingStep::Coefficients:
            return "Give the coefficients first (Inputs \u203A Coefficients; Default takes the "
                   "standard set)";
    }
    return {};
}

MissingStep computeProject(Project& project) {
    const MissingStep missing = computePrecondition(project);
    if (missing != MissingStep::Nothing) return missing;
    project.flags.computed = true;
    computeDesign(project);
    computeProjectLoads(project);
    return MissingStep::Nothing;
}

}  // namespace rolvanta
