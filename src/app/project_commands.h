#pragma once

// The File commands: New Project, Open Project, Save Project and Save As.
// They decide when the project is reset, which file it belongs to and in
// which kind it was last saved (project file ".rol" or report ".txt"), and
// keep the window title and the project flags in step (the rules are
// project/project_life.h). A file that cannot be read or written is shown
// in a message box; the command then changes nothing (no flag, title or file
// name) and reports no success.

#include <array>
#include <string>

#include "app/session.h"
#include "app/shell.h"

namespace rolvanta {

// The file types offered by the open and save dialogs, in the dialogs' order.
struct FileFilter {
    FileType type;
    const char* description;
    const char* pattern;
};
const std::array<FileFilter, 3>& fileTypeFilter();

// When the project has unsaved changes, asks "Do You Want To Save Current
// Project ?": true when it may be left (No, or Yes and it was saved).
bool offerToSave(Session& session, Shell& shell);

// New Project. Unsaved changes are offered for saving first; the project is
// reset (coefficients too) unless the user cancels or the save fails.
void newProject(Session& session, Shell& shell);

// Open Project, after offering unsaved changes for saving. True when the
// open dialog was confirmed, whatever happened next.
bool openProject(Session& session, Shell& shell);

// Opens the project file at path (title: its name without the directory) as
// Open Project opens a file chosen with the project file type. True when the
// project was read; otherwise the reason has been shown and nothing changed.
bool openProjectFromPath(Session& session, Shell& shell, const std::string& path,
                         const std::string& title);

// Save Project: rewrites the project's file in its last kind, or asks for a
// file as Save As does when the project has none. Before a project is
// started it says "Please Start New Project !".
void saveProject(Session& session, Shell& shell);

// Save As. True when the file was written; the project then belongs to it.
bool saveProjectAs(Session& session, Shell& shell);

// The save dialog and the write in the kind chosen. True when a file was
// written; then the current file and lastSaveKind name it.
bool runSaveDialog(Session& session, Shell& shell);

// Saves the project before it is left (New Project, Open, closing), always
// as a project file: to its own ".rol" file with "Saved File %s", else (no
// file, or last saved as a report) to a ".rol" file the save dialog asks
// for. True when saved.
bool saveBeforeLeaving(Session& session, Shell& shell);

// Shows a storage failure as the desktop program words it: "Cannot Open
// File" for a file that cannot be read or written, "<file name> Is Not A
// Valid ROLVANTA (.rol) File !" for one that is not a project, and for a
// design the same with ".rolx" and what is wrong with it.
void showStorageError(Shell& shell, const StorageError& error);

}  // namespace rolvanta
