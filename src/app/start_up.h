#pragma once

// What the main window does once it exists and before the first command:
// the empty project with the default coefficients, the layout of the text
// pages, the title "ROLVANTA - Start New Project", both scroll bars
// disabled, the toolbar shown and the text pages in front.

#include "app/session.h"
#include "app/shell.h"
#include "display/text_layout.h"

namespace rolvanta {

// What the window measured as it was created.
struct WindowMeasures {
    FontMeasures defaultFont;  // the text pages are laid out by it
    int pageFontHeight = 0;    // cell height of the font the pages are drawn in
    PixelRect clientRect;      // the client area
};

void startUp(Session& session, Shell& shell, const WindowMeasures& measures);

}  // namespace rolvanta
