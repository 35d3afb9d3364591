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
    if (error.what == StorageFailure::NotValid && openedKindOf(error.path) == SaveKind::Design) {
        shell.showMessage(
            {fileNameOf(error.path) + " Is Not A Valid ROLVANTA (.rolx) File !\n" + error.reason,
             "Error", MessageButtons::Ok, MessageIcon::Warning});
    } else if (error.what == StorageFailure::NotValid) {
        shell.showMessage({fileNameOf(error.path) + " Is Not A Valid ROLVANTA (.rol) File !",
                           "Error", MessageButtons::Ok, MessageIcon::Warning});
    } else {
        // The old words stay as the caption; the text names the file and why.
        const bool writing =
            error.what == StorageFailure::CannotWrite || error.what == StorageFailure::Refused;
        shell.showMessage(
            {(writing ? "Cannot write " : "Cannot open ") + error.path + ": " + error.reason,
             "Cannot Open File", MessageButtons::Ok, MessageIcon::Warning});
    }
}

const std::array<FileFilter, 3>& fileTypeFilter() {
    static const std::array<FileFilter, 3> filter = {{
        {FileType::Project, "Roll Files (*.rol)", "*.rol"},
        {FileType::Report, "Text Files(*.txt)", "*.txt"},
        {FileType::Design, "ROLVANTA Design (*.rolx)", "*.rolx"},
    }};
    return filter;
}

bool offerToSave(Session& session, Shell& shell) {
    if (!hasUnsavedChanges(session)) return true;
    const MessageAnswer answer = shell.showMessage(
        {"Do You Want To Save Current Project ?", "Confirm", MessageButtons::YesNoCancel,
         MessageIcon::Question, MessageOwner::MainWindow});
    if (answer == MessageAnswer::Cancel) return false;
    if (answer == MessageAnswer::Yes) return saveBeforeLeaving(session, shell);
    return true;
}

void newProject(Session& session, Shell& shell) {
    if (session.project.flags.projectStarted) {
        if (!offerToSave(session, shell)) return;
        shell.repaint();
    } else {
        // The first New: the records still hold what start-up put there.
        shell.setScrollBarsEnabled(true);
    }
    beginNewProject(session.project);
    markProjectUnchanged(session);
    showWindowTitle(session, shell);
}

bool openProject(Session& session, Shell& shell) {
    if (!offerToSave(session, shell)) return false;
    const FileDialogChoice choice = shell.showOpenDialog();
    if (!choice.accepted) return false;
    if (choice.fileType == FileType::Report) {
        shell.showMessage({"Cannot Open *.txt Files !!!", "Sorry", MessageButtons::Ok,
                           MessageIcon::None, MessageOwner::None});
        return true;
    }
    if (choice.fileType == FileType::Design && choice.path.find(".rolx") == std::string::npos) {
        shell.showMessage({choice.title + " Is Not A Valid ROLVANTA (.rolx) File !", "Error",
                           MessageButtons::Ok, MessageIcon::Warning, MessageOwner::None});
        return true;
    }
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
    markProjectUnchanged(session);
    showWindowTitle(session, shell);
    return true;
}

bool runSaveDialog(Session& session, Shell& shell) {
    const FileDialogChoice choice = shell.showSaveDialog();
    if (!choice.accepted) return false;
    const SaveKind kind = saveKindOf(choice.fileType);
    return writeProject(session, shell, {pathWithExtension(choice.path, kind), choice.title, kind});
}

bool saveProjectAs(Session& session, Shell& shell) {
    if (!runSaveDialog(session, shell)) return false;
    markSavedAs(session.project);
    markProjectUnchanged(session);
    showWindowTitle(session, shell);
    return true;
}

void saveProject(Session& session, Shell& shell) {
    const ProjectFlags& flags = session.project.flags;
    if (!flags.projectStarted) {
        // Nothing to save yet: the same note as the input commands give.
        shell.showMessage({"Please Start New Project !", "Note", MessageButtons::Ok,
                           MessageIcon::None, MessageOwner::None});
    } else if (flags.hasFileName) {
        saveToCurrentFile(session, shell);
    } else {
        saveProjectAs(session, shell);
    }
}

bool saveBeforeLeaving(Session& session, Shell& shell) {
    const ProjectFlags& flags = session.project.flags;
    if (flags.hasFileName && flags.lastSaveKind == SaveKind::ProjectFile) {
        return saveToCurrentFile(session, shell);
    }
    // A report cannot be opened again: what is left is kept in a project
    // file, under a name asked for when there is no project file yet.
    const FileDialogChoice choice = shell.showProjectSaveDialog();
    if (!choice.accepted) return false;
    const SaveTarget target{pathWithExtension(choice.path, SaveKind::ProjectFile), choice.title,
                            SaveKind::ProjectFile};
    if (!writeProject(session, shell, target)) return false;
    markSavedAs(session.project);
    markProjectUnchanged(session);
    showWindowTitle(session, shell);
    return true;
}

}  // namespace rolvanta
