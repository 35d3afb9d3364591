#pragma once

// Key presses and releases of the main window, whatever the display mode;
// the arrow keys move the pass view's cursor. Keys are numbered as the
// window system's virtual keys.

#include "app/session.h"
#include "app/shell.h"

namespace rolvanta {

enum VirtualKey : int {
    kKeyLeft = 0x25,
    kKeyUp = 0x26,
    kKeyRight = 0x27,
    kKeyDown = 0x28,
};

// autoRepeat: the message comes from the keyboard repeating a key held
// down. An arrow press moves the cursor one step; in graphics mode the pass
// view is repainted when the pass it shows changes.
void keyDown(Session& session, Shell& shell, int virtualKey, bool autoRepeat);
void keyUp(Session& session, Shell& shell, int virtualKey, bool autoRepeat);

// Brings the pass view's cursor back onto the schedule after Compute, Open,
// New Project or an input dialog changed it, so that the view never shows a
// pass the schedule does not hold.
void fitPassViewCursor(Session& session);

}  // namespace rolvanta
