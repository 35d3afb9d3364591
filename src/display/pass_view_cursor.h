#pragma once

// Which pass the pass view shows, stepped by the left and right arrow keys.
// Index 0 is the overview of all passes; index k >= 1 shows pass table
// record k - 1 alone (pass number k + 1). One press moves one step, however
// long the key is held: the cursor latches on the press and lets go when an
// arrow key is released.

#include <cstdint>

namespace rolvanta {

struct PassViewCursor {
    std::int32_t index = 0;
    bool keyLatched = false;  // from a move until an arrow key is released
    bool overview = true;     // index is 0
};

// Key codes as the window system numbers them.
constexpr int kLeftArrowKey = 0x25;
constexpr int kRightArrowKey = 0x27;

// Whether a key message comes from the keyboard's auto-repeat while the key
// is held rather than from a press or a release.
enum class KeyRepeat { No, Yes };

// A key went down. An arrow press moves the cursor one step unless it is
// latched; auto-repeat never moves it. Whatever the key, the index is then
// bounded to 0..passCount - 1 (passCount taken within the pass table).
void cursorKeyDown(PassViewCursor& cursor, int key, int passCount,
                   KeyRepeat repeat = KeyRepeat::No);

// A key came up: the release of either arrow clears the latch; the
// auto-repeat's releases do not.
void cursorKeyUp(PassViewCursor& cursor, int key, KeyRepeat repeat = KeyRepeat::No);

// Bounds the index to a schedule of passCount passes as a key press does, so
// that a cursor left beyond a shorter new schedule comes back onto it.
void boundPassViewCursor(PassViewCursor& cursor, int passCount);

}  // namespace rolvanta
