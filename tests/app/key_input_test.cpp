#include <gtest/gtest.h>

#include "app/key_input.h"
#include "app_fixture.h"
#include "storage/project_file.h"

namespace rolvanta::testing {
namespace {

using KeyInput = AppTest;

// One arrow press and its release, as the keyboard delivers them.
void press(Session& session, Shell& shell, int key) {
    keyDown(session, shell, key, false);
    keyUp(session, shell, key, false);
}

TEST_F(KeyInput, ArrowsRepaintOnlyWhenThePassShownChanges) {
    startWithCustomSection(8);
    run(kMenuCompute);
    const int repaints = shell.repaints;
    press(session, shell, kKeyRight);
    EXPECT_EQ(session.passViewCursor.index, 1) << "the first press after start-up moves";
    EXPECT_EQ(shell.repaints, repaints) << "the text page does not show the cursor";
    press(session, shell, kKeyLeft);
    run(kMenuGraphicalDisplay);
    const struct {
        const char* name;
        int key;
        bool down;
        bool autoRepeat;
        int index;
        int repaints;  // added by this message
    } steps[] = {
        {"left at the overview", kKeyLeft, true, false, 0, 0},
        {"its release", kKeyLeft, false, false, 0, 0},
        {"right", kKeyRight, true, false, 1, 1},
        {"held: repeated release", kKeyRight, false, true, 1, 0},
        {"held: repeated press", kKeyRight, true, true, 1, 0},
        {"released", kKeyRight, false, false, 1, 0},
        {"right again", kKeyRight, true, false, 2, 1},
        {"a key that is no arrow", kKeyUp, true, false, 2, 0},
    };
    for (const auto& step : steps) {
        const int before = shell.repaints;
        if (step.down) {
            keyDown(session, shell, step.key, step.autoRepeat);
        } else {
            keyUp(session, shell, step.key, step.autoRepeat);
        }
        EXPECT_EQ(session.passViewCursor.index, step.index) << step.name;
        EXPECT_EQ(shell.repaints - before, step.repaints) << step.name;
    }
}

TEST_F(KeyInput, ScheduleChangesBringTheCursorBackOntoIt) {
    startWithCustomSection(13);
    run(kMenuCompute);
    for (int i = 0; i < 10; ++i) press(session, shell, kKeyRight);
    ASSERT_EQ(session.passViewCursor.index, 10);

    session.project.section.passCount = 6;
    run(kMenuCompute);
    EXPECT_EQ(session.passViewCursor.index, 5) << "Compute of a shorter schedule";

    Project shorter = session.project;
    shorter.section.passCount = 3;
    writeFileBytes(folder / "short.rol", encodeProjectFile(shorter));
    choose(folder / "short.rol");
    shell.answers = {MessageAnswer::No};  // the computed design is not kept
    run(kMenuOpenProject);
    EXPECT_EQ(session.passViewCursor.index, 2) << "Open of a shorter schedule";

    for (int i = 0; i < 10; ++i) press(session, shell, kKeyRight);
    ASSERT_EQ(session.passViewCursor.index, 2);
    shell.dialogActions[DialogId::Setup] = [this] {
        session.project.section.passCount = 2;
        return false;
    };
    run(kMenuSetup);
    EXPECT_EQ(session.passViewCursor.index, 1) << "Setup of fewer passes";

    shell.answers = {MessageAnswer::No};
    run(kMenuNewProject);
    EXPECT_EQ(session.passViewCursor.index, 0) << "New Project";
    EXPECT_TRUE(session.passViewCursor.overview);
}

}  // namespace
}  // namespace rolvanta::testing
