#include "app/key_input.h"

#include "display/pass_view_cursor.h"

namespace rolvanta {

static_assert(kKeyLeft == kLeftArrowKey && kKeyRight == kRightArrowKey,
              "the pass view's cursor keys are the window system's arrow keys");

namespace {
KeyRepeat repeatOf(bool autoRepeat) { return autoRepeat ? KeyRepeat::Yes : KeyRepeat::No; }
}  // namespace

void keyDown(Session& session, Shell& shell, int virtualKey, bool autoRepeat) {
    PassViewCursor& cursor = session.passViewCursor;
    const PassViewCursor before = cursor;
    cursorKeyDown(cursor, virtualKey, session.project.section.passCount, repeatOf(autoRepeat));
    const bool moved = cursor.index != before.index || cursor.overview != before.overview;
    if (moved && session.displayMode == DisplayMode::PassView) shell.repaint();
}

void keyUp(Session& session, Shell&, int virtualKey, bool autoRepeat) {
    cursorKeyUp(session.passViewCursor, virtualKey, repeatOf(autoRepeat));
}

void fitPassViewCursor(Session& session) {
    boundPassViewCursor(session.passViewCursor, session.project.section.passCount);
}

}  // namespace rolvanta
