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

// autoRepeat: the press is the keyboard repeating a key held down.
void keyDown(Session& session, Shell& shell, int virtualKey, bool autoRepeat);
void keyUp(Session& session, Shell& shell, int virtualKey, bool autoRepeat);

}  // namespace rolvanta
