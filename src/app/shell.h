#pragma once

// The main window as the app layer sees it: everything the commands ask of
// the window system. The desktop program implements it with Qt
// (platform/qt_shell.h); the tests script it (tests/support/fake_shell.h).
// Paths, titles and message texts are UTF-8.

#include <string>

#include "dialogs/message_shell.h"
#include "display/display_mode.h"
#include "project/project_life.h"

namespace rolvanta {

// What an open or save dialog gave back.
struct FileDialogChoice {
    bool accepted = false;                  // false: cancelled, closed or failed
    std::string path;                       // full path as the user chose it
    std::string title;                      // the file's name without its directory
    FileType fileType = FileType::Project;  // the file type chosen
};

// A rectangle of the client area, in pixels.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The program's dialogs.
enum class DialogId { StandardProfiles, CustomProfiles, Coefficients, Setup, About, Mill };

class Shell : public MessageShell {
  public:
    // The open and save dialogs: the file types of fileTypeFilter()
    // (app/project_commands.h), the first preselected, no name proposed.
    // The save dialog asks before replacing the file the user picked.
    virtual FileDialogChoice showOpenDialog() = 0;
    virtual FileDialogChoice showSaveDialog() = 0;
    // The save dialog with the project file type alone: for
    // the project saved before it is left, which a report cannot hold.
    virtual FileDialogChoice showProjectSaveDialog() = 0;

    virtual void setWindowTitle(const std::string& title) = 0;

    // Paints the client area anew: all of it, or one rectangle. In graphics
    // mode this redraws the pass view, so whatever changed what it shows
    // (Compute, Open, an arrow key) asks for it here.
    virtual void repaint() = 0;
    virtual void repaintRect(const PixelRect& rect) = 0;

    // Both scroll bars of the text pages together.
    virtual void setScrollBarsEnabled(bool enabled) = 0;
    virtual void setToolbarShown(bool shown) = 0;

    // The client area shows the text pages, the pass view, the Schedule
    // Table or the Mill Loads.
    virtual void showDisplayMode(DisplayMode mode) = 0;

    // A short note that asks for nothing and does not wait (the status
    // bar); an empty text takes the note away.
    virtual void showNote(const std::string& text) = 0;

    // Runs the modal dialog and says whether it ended accepted (OK). The
    // dialog writes the session's records itself.
    virtual bool runDialog(DialogId dialog) = 0;

    // Opens the help at its contents page ("Help Topics").
    virtual void openHelp() = 0;

    // Ends the program with exitCode once the current command returns.
    virtual void quit(int exitCode) = 0;
};

}  // namespace rolvanta
