#include <gtest/gtest.h>

#include "app/key_input.h"
#include "app_fixture.h"

namespace rolvanta::testing {
namespace {

using KeyInput = AppTest;

// How a cursor answers keys is display/'s; here the keys reach it with their
// repeat flag, and the pass view alone repaints, only when the cursor moved.
TEST_F(KeyInput, ArrowsRepaintOnlyWhenThePassShownChanges) {
    startWithCustomSection(8);
    run(kMenuCompute);
    const int repaints = shell.repaints;
    keyDown(session, shell, kKeyRight, false);
    keyUp(session, shell, kKeyRight, false);
    EXPECT_EQ(session.passViewCursor.index, 1);
    EXPECT_EQ(shell.repaints, repaints) << "the text page does not show the cursor";
    run(kMenuGraphicalDisplay);
    const struct {
        int key;
        bool down, autoRepeat;
        int index, repaints;  // the repaints added by this message
    } steps[] = {
        {kKeyRight, true, false, 2, 1}, {kKeyRight, false, true, 2, 0},
        {kKeyRight, true, true, 2, 0},  {kKeyRight, false, false, 2, 0},
        {kKeyLeft, true, false, 1, 1},  {kKeyLeft, false, false, 1, 0},
        {kKeyLeft, true, false, 0, 1},  {kKeyLeft, false, false, 0, 0},
        {kKeyLeft, true, false, 0, 0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(&step - steps);
        const int before = shell.repaints;
        if (step.down) keyDown(session, shell, step.key, step.autoRepeat);
        if (!step.down) keyUp(session, shell, step.key, step.autoRepeat);
        EXPECT_EQ(session.passViewCursor.index, step.index);
        EXPECT_EQ(shell.repaints - before, step.repaints);
    }
}

// Compute and an input dialog that shorten the schedule bring the cursor
// back onto it (New Project and Open: project_commands_test.cpp).
TEST_F(KeyInput, ScheduleChangesBringTheCursorBackOntoIt) {
    startWithCustomSection(13);
    run(kMenuCompute);
    session.passViewCursor.index = 10;
    session.project.section.passCount = 6;
    run(kMenuCompute);
    EXPECT_EQ(session.passViewCursor.index, 5) << "Compute";
    shell.dialogActions[DialogId::Setup] = [this] {
        session.project.section.passCount = 2;
        return false;
    };
    run(kMenuSetup);
    EXPECT_EQ(session.passViewCursor.index, 1) << "Setup";
}

}  // namespace
}  // namespace rolvanta::testing
