#pragma once

// The one session of the program: everything that lives as long as the main
// window. Created once by the desktop program (or a test) and passed by
// reference to every command; nothing else holds state.

#include <string>

#include "app/shell.h"
#include "display/display_mode.h"
#include "display/pass_colours.h"
#include "display/pass_notes.h"
#include "display/pass_view_cursor.h"
#include "display/text_layout.h"
#include "display/text_scroll.h"
#include "engine/project_records.h"
#include "project/project_life.h"
#include "storage/profile_catalogue.h"

namespace rolvanta {

// The project (zero until start-up) and its file are the ProjectDocument.
struct Session : ProjectDocument {
    // The project as it was when it was last started, opened or saved; the
    // program asks before closing when the project differs from it.
    Project unchangedProject{};

    // The catalogue of standard beams and where it is read and written.
    ProfileList catalogue;
    CatalogueFiles catalogueFiles;

    // What the window shows.
    DisplayMode displayMode = DisplayMode::TextPages;

    // The text pages: measures from the default font and the scroll bars.
    TextLayout textLayout;
    TextScroll textScroll;

    // The pass view: which pass it shows, and the fixed colour of each pass.
    PassViewCursor passViewCursor;
    PassColours passColours = makePassColours();
    // The design and load warnings of each pass, shown beneath its caption.
    PassNotes passNotes;
    // What the last input dialog's OK changed besides its own fields, for
    // the status bar (InputResult::note); shown once, then cleared.
    std::string inputNote;

    // The client area as it was when the window was created.
    PixelRect initialClientRect;
};

// True when a started project holds anything that was not there when it was
// last started, opened or saved.
bool hasUnsavedChanges(const Session& session);

// Takes the project as it stands now as its unchanged state.
void markProjectUnchanged(Session& session);

// Sets the window title the project's state calls for, ending in " *"
// while there are unsaved changes (project/project_life.h).
void showWindowTitle(const Session& session, Shell& shell);

}  // namespace rolvanta
