#pragma once

// What the main window does once it exists and before the first command:
// the empty project with the default coefficients, the layout of the text
// pages, the title "ROLVANTA - Start New Project", both scroll bars
// disabled, the toolbar shown and the text pages in front.

#include "app/session.h"
#include "app/shell.h"
#include "display/text_layout.h"

namespace rolvanta {

// defaultFont: the window's default font, which the text pages are laid out
// by; clientRect: the client area as the window was created.
void startUp(Session& session, Shell& shell, const FontMeasures& defaultFont,
             const PixelRect& clientRect);

}  // namespace rolvanta
