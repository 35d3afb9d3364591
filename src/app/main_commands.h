#pragma once

// The main window's commands: every menu item (1000 to 4100) and toolbar
// button (105 to 120) arrives here as its command identifier
// (resources/command_ids.h). The input commands and Compute are refused with
// "Please Start New Project !" until a project has been started.

#include <string>

#include "app/session.h"
#include "app/shell.h"

namespace rolvanta {

// Runs one command. False when command is none of the main window's.
bool runCommand(Session& session, Shell& shell, int command);

// True when a project has been started; otherwise says so and is false.
bool passProjectGate(const Session& session, Shell& shell);

// Compute: when nothing is missing (project/project_life.h), the hot section
// and the pass schedule, then a repaint and a note of the design's warnings
// ("2 warnings: see the Schedule Table"; none for none). Without a project it says "Please
// Start New Project !"; with other steps missing nothing happens.
void computeProject(Session& session, Shell& shell);

// Switches between the text pages (0), the pass view (1) and the Schedule
// Table (2); the text pages are painted anew when they come back. The same
// mode again does nothing.
void setDisplayMode(Session& session, Shell& shell, DisplayMode wanted);

// Opens the project file the program was started with, as Open Project
// would open it; a file that cannot be opened leaves the empty start as it
// was, its reason shown.
void openStartFile(Session& session, Shell& shell, const std::string& path,
                   const std::string& title);

// Closing the window or Exit: true when the program may end. Unsaved changes
// are offered for saving first (Yes / No / Cancel); Cancel, or a save that
// did not happen, keeps the program running.
// Puts the warnings of the project as it stands (the design checks, then
// the load checks) beneath the pass view's captions.
void updatePassNotes(Session& session);

// The same, and the note of how many there are (none: no note), for a
// design that has just been computed, opened or started anew; after what an
// input changed besides its own fields (Session::inputNote), which is shown
// once.
void noteDesignWarnings(Session& session, Shell& shell);

bool confirmClose(Session& session, Shell& shell);

}  // namespace rolvanta
