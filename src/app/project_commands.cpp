#include "app/project_commands.h"

#include "storage/project_file.h"
#include "storage/results_report.h"

namespace rolvanta {
namespace {

std::string programTitle(const char* state) { return std::string(kProgramName) + " - " + state; }

bool contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// Writes the project to path in the given kind; false (already reported by
// the writer) when it could not be written, or for an unknown kind.
bool writeProject(Session& session, Shell& shell, int kind, const std::string& path,
                  const std::string& title) {
    switch (kind) {
        case kSavedAsProjectFile:
            return writeProjectFile(path, session.project, shell);
        case kSavedAsReport:
            return writeResultsReport(path, title, session.project, shell);
        default:
            return false;
    }
}

// Saves to the project's own file in its last kind, then says so.
bool saveToCurrentFile(Session& session, Shell& shell) {
    const int kind = session.project.flags.lastSaveKind;
    if (kind != kSavedAsProjectFile && kind != kSavedAsReport) {
        // A file name without a kind cannot come from a save or an open;
        // ask where and how rather than write nothing and claim success.
        return saveProjectAs(session, shell);
    }
    if (!writeProject(session, shell, kind, session.currentFilePath, session.currentFileTitle)) {
        return false;
    }
    shell.showMessage({"Saved File " + session.currentFilePath, "Note", MessageButtons::Ok,
                       MessageIcon::None, MessageOwner::MainWindow});
    markProjectUnchanged(session);
    return true;
}

void resetForNewProject(Session& session, Shell& shell) {
    ProjectFlags& flags = session.project.flags;
    resetProjectFlags(flags);
    resetBeamSection(session.project.section);
    flags.projectStarted = 1;
    shell.setWindowTitle(programTitle("New Project Started"));
    shell.repaint();
    markProjectUnchanged(session);
}

}  // namespace

const std::array<FileType, 2>& fileTypeFilter() {
    static const std::array<FileType, 2> filter = {{
        {"Roll Files (*.rol)", "*.rol"},
        {"Text Files(*.txt)", "*.txt"},
    }};
    return filter;
}

std::string pathWithExtension(const std::string& path, int filterIndex) {
    const char* extension = filterIndex == kFileTypeProject  ? ".rol"
                            : filterIndex == kFileTypeReport ? ".txt"
                                                             : nullptr;
    if (extension == nullptr || contains(path, extension)) return path;
    return path + extension;
}

void newProject(Session& session, Shell& shell) {
    ProjectFlags& flags = session.project.flags;
    if (flags.projectStarted == 0) {
        // The records still hold what start-up put there.
        shell.setScrollBarsEnabled(true);
        flags.projectStarted = 1;
        shell.setWindowTitle(programTitle("New Project Started"));
        markProjectUnchanged(session);
        return;
    }
    const MessageAnswer answer = shell.showMessage(
        {"Do You Want To Save Current Project ?", "Confirm", MessageButtons::YesNoCancel,
         MessageIcon::Question, MessageOwner::MainWindow});
    if (answer == MessageAnswer::Cancel) return;
    if (answer == MessageAnswer::Yes && !saveBeforeLeaving(session, shell)) return;
    resetForNewProject(session, shell);
}

bool openProject(Session& session, Shell& shell) {
    const FileDialogChoice choice = shell.showOpenDialog();
    if (!choice.accepted) return false;
    if (choice.filterIndex == kFileTypeReport) {
        shell.showMessage({"Cannot Open *.txt Files !!!", "Sorry", MessageButtons::Ok,
                           MessageIcon::None, MessageOwner::None});
        return true;
    }
    if (choice.filterIndex != kFileTypeProject) return false;
    openProjectFromPath(session, shell, choice.path, choice.title);
    return true;
}

bool openProjectFromPath(Session& session, Shell& shell, const std::string& path,
                         const std::string& title) {
    if (!contains(path, ".rol")) {
        shell.showMessage({title + " Is Not A Valid ROLVANTA (.rol) File !", "Error",
                           MessageButtons::Ok, MessageIcon::Warning, MessageOwner::None});
        return false;
    }
    // A file that cannot be read has shown why and changed nothing; the
    // project keeps its own file, title and flags.
    if (!readProjectFile(path, session.project, shell)) return false;

    session.currentFilePath = path;
    session.currentFileTitle = title;
    setProjectTitle(session, shell, session.currentFilePath);
    // What the file says of these four is about the session that saved it.
    ProjectFlags& flags = session.project.flags;
    flags.lastSaveKind = kSavedAsProjectFile;
    flags.projectStarted = 1;
    flags.customEntered = 1;  // an opened project can be computed at once
    flags.hasFileName = 1;
    markProjectUnchanged(session);
    return true;
}

bool runSaveDialog(Session& session, Shell& shell) {
    const FileDialogChoice choice = shell.showSaveDialog();
    if (!choice.accepted) return false;
    const int kind = choice.filterIndex == kFileTypeProject  ? kSavedAsProjectFile
                     : choice.filterIndex == kFileTypeReport ? kSavedAsReport
                                                             : kSavedAsNothing;
    if (kind == kSavedAsNothing) return false;
    const std::string path = pathWithExtension(choice.path, choice.filterIndex);
    // The flags change only after the write, so the file holds them as they
    // were before this save; a failed write changes nothing at all.
    if (!writeProject(session, shell, kind, path, choice.title)) return false;
    session.currentFilePath = path;
    session.currentFileTitle = choice.title;
    session.project.flags.lastSaveKind = kind;
    return true;
}

bool saveProjectAs(Session& session, Shell& shell) {
    if (!runSaveDialog(session, shell)) return false;
    session.project.flags.projectStarted = 1;
    session.project.flags.hasFileName = 1;
    setProjectTitle(session, shell, session.currentFilePath);
    markProjectUnchanged(session);
    return true;
}

void saveProject(Session& session, Shell& shell) {
    const ProjectFlags& flags = session.project.flags;
    if (flags.projectStarted == 1 && flags.hasFileName == 1) {
        saveToCurrentFile(session, shell);
    } else {
        saveProjectAs(session, shell);
    }
}

bool saveBeforeLeaving(Session& session, Shell& shell) {
    if (session.project.flags.hasFileName == 1) return saveToCurrentFile(session, shell);
    if (!runSaveDialog(session, shell)) return false;
    markProjectUnchanged(session);
    return true;
}

void setProjectTitle(Session& session, Shell& shell, const std::string& path) {
    const std::string title = path.empty() ? std::string("no name") : session.currentFileTitle;
    shell.setWindowTitle(std::string(kProgramName) + " - " + title + " ( " + path + " )");
}

}  // namespace rolvanta
