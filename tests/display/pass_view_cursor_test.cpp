#include <gtest/gtest.h>

#include <string>

#include "display/pass_view_cursor.h"

namespace rolvanta {
namespace {

// One key message: 'L'/'R' press an arrow, 'l'/'r' release it, '+' is an
// auto-repeated press of the held arrow and '-' its auto-repeated release,
// 'x' presses and releases another key.
void play(PassViewCursor& cursor, const std::string& keys, int passCount) {
    int held = kRightArrowKey;
    for (char key : keys) {
        const int arrow = key == 'L' || key == 'l' ? kLeftArrowKey : kRightArrowKey;
        if (key == 'L' || key == 'R') cursorKeyDown(cursor, held = arrow, passCount);
        if (key == 'l' || key == 'r') cursorKeyUp(cursor, arrow);
        if (key == '+') cursorKeyDown(cursor, held, passCount, KeyRepeat::Yes);
        if (key == '-') cursorKeyUp(cursor, held, KeyRepeat::Yes);
        if (key == 'x') {
            cursorKeyDown(cursor, 'A', passCount);
            cursorKeyUp(cursor, 'A');
        }
    }
}

TEST(PassViewCursor, KeySequences) {
    const struct {
        const char* name;
        int passCount;
        const char* keys;
        int index;
    } cases[] = {
        {"starts at the overview", 8, "", 0},
        {"first press after start-up moves", 8, "Rr", 1},
        {"one step per press", 8, "RrRrRr", 3},
        {"holding moves one step", 8, "R+++++r", 1},
        {"auto-repeat releases keep the latch", 8, "R-+-+-+-+r", 1},
        {"press after a held key moves again", 8, "R+-+-rR-+r", 2},
        {"without a release a second press waits", 8, "RR", 1},
        {"either arrow releases the latch", 8, "RlR", 2},
        {"left steps back", 8, "RrRrRrLl", 2},
        {"left at the overview stays", 8, "LlLl", 0},
        {"stops at passCount - 1", 8, "RrRrRrRrRrRrRrRrRrRr", 7},
        {"passCount 1 stays at the overview", 1, "RrRr", 0},
        {"no computed project stays at the overview", 0, "RrRr", 0},
        {"negative passCount stays at the overview", -5, "RrRr", 0},
        {"other keys move nothing", 8, "Rrxxx", 1},
        {"passCount beyond the table stops at its last record", 40,
         "RrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRrRr", 14},
    };
    for (const auto& c : cases) {
        PassViewCursor cursor;
        play(cursor, c.keys, c.passCount);
        EXPECT_EQ(cursor.index, c.index) << c.name;
        EXPECT_EQ(cursor.overview, c.index == 0) << c.name;
    }
}

TEST(PassViewCursor, AnyKeyBringsACursorBackOntoAShorterSchedule) {
    PassViewCursor cursor;
    play(cursor, "RrRrRrRrRrRr", 13);
    ASSERT_EQ(cursor.index, 6);
    play(cursor, "x", 4);
    EXPECT_EQ(cursor.index, 3);
    boundPassViewCursor(cursor, 0);
    EXPECT_EQ(cursor.index, 0);
    EXPECT_TRUE(cursor.overview);
}

}  // namespace
}  // namespace rolvanta
