#include "display/pass_view_cursor.h"

#include <algorithm>

#include "engine/project_records.h"

namespace rolvanta {

void cursorKeyDown(PassViewCursor& cursor, int key, int passCount, KeyRepeat repeat) {
    const bool arrow = key == kLeftArrowKey || key == kRightArrowKey;
    if (arrow && repeat == KeyRepeat::No && !cursor.keyLatched) {
        cursor.keyLatched = true;
        cursor.index += key == kLeftArrowKey ? -1 : 1;
    }
    boundPassViewCursor(cursor, passCount);
}

void cursorKeyUp(PassViewCursor& cursor, int key, KeyRepeat repeat) {
    // Held keys deliver release and press pairs on some window systems; only
    // a real release lets the next press move the cursor.
    if (repeat == KeyRepeat::Yes) return;
    if (key == kLeftArrowKey || key == kRightArrowKey) cursor.keyLatched = false;
}

void boundPassViewCursor(PassViewCursor& cursor, int passCount) {
    // The single-pass view reaches pass table records 0 to passCount - 2;
    // the overview draws the one further record the schedule computes.
    const int lastIndex = std::clamp(passCount, 0, kPassTableSize) - 1;
    if (cursor.index > lastIndex) cursor.index = lastIndex;
    if (cursor.index <= 0) cursor.index = 0;
    cursor.overview = cursor.index == 0;
}

}  // namespace rolvanta
