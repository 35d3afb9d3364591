#pragma once

// The life of a project, for every front end: start-up, New, Open, Save and
// Save As (the flags, the current file, its kind and the window title they
// leave), and Compute with its precondition. Reading and writing go through
// the storage layer; failures come back as values and change nothing.

#include <optional>
#include <string>

#include "engine/project_records.h"
#include "storage/storage_error.h"

namespace rolvanta {

// The program's name: the first word of every window title.
inline constexpr const char* kProgramName = "ROLVANTA";

// The project and the file it belongs to.
struct ProjectDocument {
    Project project{};
    // The file as the last accepted file dialog gave it (with the extension
    // a save appended), and its name without the folder.
    std::string filePath;
    std::string fileTitle;
};

// The empty project of a program that has just started: flags cleared, the
// empty section and the default coefficients.
void startUpProject(Project& project);

// New Project: the flags, the section and the coefficients reset, the mill
// taken away, and the project started.
void beginNewProject(Project& project);

// The kind of file Open reads at path: a design when its name ends in
// ".rolx" (in any case), else a project file.
SaveKind openedKindOf(const std::string& path);

// How a project file of one kind is read and made: a design (".rolx") with
// its coefficient set, or a project file (".rol") without.
struct ProjectFormat {
    SaveKind kind = SaveKind::ProjectFile;
    StorageResult (*read)(const std::string& path, Project& project);
    std::string (*encode)(const Project& project);
};

// The format of a kind: Design, else a project file.
ProjectFormat projectFormatFor(SaveKind kind);

// The format of the file at path, by its name (openedKindOf): what Open
// reads it with, and what the command line writes to it.
ProjectFormat projectFormatOf(const std::string& path);

// Open Project: the project read from path (a design, ".rolx", with its
// coefficient set; a project file without) and the flags that an opened
// project always has (last saved in the kind read, started, ready to
// compute, with a file name). A design's mill is checked as a mill file's
// is (project/mill_inputs.h) and its loads computed; a project file holds
// no mill. On failure nothing changes.
StorageResult openProjectFile(ProjectDocument& document, const std::string& path,
                              const std::string& title);

// Where and in which kind a save writes.
struct SaveTarget {
    std::string path;   // with its extension
    std::string title;  // the file's name without the folder
    SaveKind kind = SaveKind::Nothing;
};

// The file types the open and save dialogs offer, in the dialogs' order.
enum class FileType {
    Project,  // ".rol"
    Report,   // ".txt"
    Design,   // ".rolx"
};

// The kind a save of the file type writes.
SaveKind saveKindOf(FileType type);

// The path a save writes for the kind: ".rol", ".txt" or ".rolx" appended
// unless the path already contains it anywhere.
std::string pathWithExtension(const std::string& path, SaveKind kind);

// Writes the project in the target's kind. On success the project belongs
// to the file and lastSaveKind names the kind; the file holds the flags as
// they were before this save. On failure nothing changes.
StorageResult saveProjectTo(ProjectDocument& document, const SaveTarget& target);

// Save As after a good write: the project is started and has a file name.
void markSavedAs(Project& project);

// The target of Save Project: the document's own file in its last kind;
// empty when it has none (Save As asks for one).
std::optional<SaveTarget> currentSaveTarget(const ProjectDocument& document);

// Window titles.
std::string startUpTitle();                              // "ROLVANTA - Start New Project"
std::string newProjectTitle();                           // "ROLVANTA - New Project Started"
std::string fileTitle(const ProjectDocument& document);  // "ROLVANTA - <file name> ( <path> )"

// The title the document's state calls for: the start-up title before a
// project is started, the file title once it has a file, else the new
// project title; " *" at the end while there are unsaved changes.
std::string windowTitle(const ProjectDocument& document, bool unsavedChanges);

// What Compute still needs, the first missing step.
enum class MissingStep {
    Nothing,       // Compute can run
    Project,       // no project started
    Profile,       // no section taken, typed or opened
    Setup,         // no number of passes yet: a catalogue beam or typed section without a Setup
    Coefficients,  // a catalogue beam without coefficients
};

MissingStep computePrecondition(const Project& project);

// What the designer is asked to do first ("Run Setup first (Inputs ›
// Setup)"); empty for Nothing. UTF-8.
std::string missingStepNote(MissingStep step);

// Compute: when nothing is missing, the hot section and the pass schedule,
// the mill loads when a mill is given, and computed set. Returns what was missing (Nothing when it
// computed).
MissingStep computeProject(Project& project);

}  // namespace rolvanta
