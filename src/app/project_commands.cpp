#include "app/project_commands.h"

#include "project/project_life.h"
#include "storage/file_io.h"

namespace rolvanta {
namespace {

// Writes the project to the target; a failure is shown and changes nothing.
bool writeProject(Session& session, Shell& shell, const SaveTarget& target) {
    if (StorageResult error = saveProjectTo(session, target)) {
        showStorageError(shell, *error);
        return false;
    }
    return true;
}

// Saves to the project's own file in its last kind, then says so.
bool saveToCurrentFile(Session& session, Shell& shell) {
    const std::optional<SaveTarget> target = currentSaveTarget(session);
    if (!target) return saveProjectAs(session, shell);
    if (!writeProject(session, shell, *target)) return false;
    shell.showMessage({"Saved File " + session.filePath, "Note", MessageButtons::Ok,
                       MessageIcon::None, MessageOwner::MainWindow});
    markProjectUnchanged(session);
    return true;
}

}  // namespace

void showStorageError(Shell& shell, const StorageError& error) {
    if (error.what == StorageFailure::NotValid) {
        shell.showMessage({fileNameOf(error.path) + " Is Not A Valid ROLVANTA (.rol) File !",
                           "Error", MessageButtons::Ok, MessageIcon::Warning});
    } else {
        shell.showMessage({"Cannot Open File", "Error"});
    }
}

const std::array<FileType, 2>& fileTypeFilter() {
    static const std::array<FileType, 2> filter = {{
        {"Roll Files (*.rol)", "*.rol"},
        {"Text Files(*.txt)", "*.txt"},
    }};
    return filter;
}

std::string pathWithExtension(const std::string& path, int filterIndex) {
    const std::optional<SaveKind> kind = saveKindOfFileType(filterIndex);
    return kind ? pathWithExtension(path, *kind) : path;
}

void newProject(Session& session, Shell& shell) {
    if (session.project.flags.projectStarted) {
        const MessageAnswer answer = shell.showMessage(
            {"Do You Want To Save Current Project ?", "Confirm", MessageButtons::YesNoCancel,
             MessageIcon::Question, MessageOwner::MainWindow});
        if (answer == MessageAnswer::Cancel) return;
        if (answer == MessageAnswer::Yes && !saveBeforeLeaving(session, shell)) return;
        shell.repaint();
    } else {
        // The first New: the records still hold what start-up put there.
        shell.setScrollBarsEnabled(true);
    }
    beginNewProject(session.project);
    shell.setWindowTitle(newProjectTitle());
    markProjectUnchanged(session);
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
    if (path.find(".rol") == std::string::npos) {
        shell.showMessage({title + " Is Not A Valid ROLVANTA (.rol) File !", "Error",
                           MessageButtons::Ok, MessageIcon::Warning, MessageOwner::None});
        return false;
    }
    // A file that cannot be read is shown and changes nothing; the project
    // keeps its own file, title and flags.
    if (StorageResult error = openProjectFile(session, path, title)) {
        showStorageError(shell, *error);
        return false;
    }
    shell.setWindowTitle(fileTitle(session));
    markProjectUnchanged(session);
    return true;
}

bool runSaveDialog(Session& session, Shell& shell) {
    const FileDialogChoice choice = shell.showSaveDialog();
    if (!choice.accepted) return false;
    const std::optional<SaveKind> kind = saveKindOfFileType(choice.filterIndex);
    if (!kind) return false;
    return writeProject(session, shell,
                        {pathWithExtension(choice.path, *kind), choice.title, *kind});
}

bool saveProjectAs(Session& session, Shell& shell) {
    if (!runSaveDialog(session, shell)) return false;
    markSavedAs(session.project);
    shell.setWindowTitle(fileTitle(session));
    markProjectUnchanged(session);
    return true;
}

void saveProject(Session& session, Shell& shell) {
    const ProjectFlags& flags = session.project.flags;
    if (flags.projectStarted && flags.hasFileName) {
        saveToCurrentFile(session, shell);
    } else {
        saveProjectAs(session, shell);
    }
}

bool saveBeforeLeaving(Session& session, Shell& shell) {
    if (session.project.flags.hasFileName) return saveToCurrentFile(session, shell);
    if (!runSaveDialog(session, shell)) return false;
    markProjectUnchanged(session);
    return true;
}

}  // namespace rolvanta
