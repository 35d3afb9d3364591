#include <gtest/gtest.h>

#include "app_fixture.h"
#include "project/design_inputs.h"
#include "project/mill_inputs.h"
#include "support/golden_file.h"

namespace rolvanta::testing {
namespace {

using MainCommands = AppTest;

// Before New Project the menu item and the button of each input, Compute and
// Save say so and change nothing; after it, an input runs its dialog and
// repaints. Each command's messages, dialogs run (by DialogId), file dialogs
// and repaints, before and after, are compared with the golden file.
TEST(MainCommand, GatedCommandsNeedAStartedProject) {
    std::string transcript;
    for (const int command : {kMenuStandardProfiles, kButtonStandardProfiles, kMenuCustomProfiles,
                              kButtonCustomProfiles, kMenuCoefficients, kButtonCoefficients,
                              kMenuSetup, kButtonSetup, kMenuMill, kButtonMill, kMenuCompute,
                              kButtonCompute, kMenuSaveProject, kButtonSaveFile}) {
        App app;
        const Project before = app.session.project;
        transcript += std::to_string(command) + ":";
        for (const char* when : {" before", "; after New"}) {
            const int repaints = app.shell.repaints;
            app.shell.dialogsRun.clear();
            app.run(command);
            std::string dialogs;
            for (const DialogId d : app.shell.dialogsRun) dialogs += std::to_string(int(d)) + " ";
            transcript += when + std::string(" [") + app.shell.takeShown() + "] dialogs " +
                          dialogs + "files " + std::to_string(app.shell.fileDialogs.size()) +
                          " repaints " + std::to_string(app.shell.repaints - repaints);
            if (app.session.project.flags.projectStarted) break;
            EXPECT_TRUE(sameBytes(app.session.project, before)) << command;
            app.run(kMenuNewProject);
            app.shell.takeShown();
        }
        transcript += "\n";
    }
    expectGolden("gated-commands.txt", transcript);
}

// Which step Compute misses first, and its words, are project/'s; here a
// missing step is shown instead of computing (the gated commands' golden
// file has the missing profile).
TEST_F(MainCommands, ComputeShowsTheMissingStepInstead) {
    run(kMenuNewProject);
    session.project.section = exampleSection(7);
    session.project.flags.standardChosen = session.project.flags.setupDone = 1;
    run(kButtonCompute);
    EXPECT_EQ(shell.takeShown(),
              "Note: Give the coefficients first (Inputs › Coefficients; "
              "Default takes the standard set)");
    EXPECT_FALSE(session.project.flags.computed);
}

// From start-up (the empty project, measured in the window's font; its
// title and flags: the golden files of project_commands_test.cpp), after
// each command: its message, the mode kept and shown, the toolbar and scroll
// bars, the dialogs, help and repaints (whole window, first client area).
// The commands that need no project come first. The pass view draws itself
// when shown; the text page comes back painted, once; the Schedule Table and
// Mill Loads keep the toolbar and scroll by themselves; a dialog that leaves
// graphics mode brings the text pages back, the toolbar as it was.
TEST_F(MainCommands, StartUpAndDisplayCommandsSwitchModeToolbarAndScrollBars) {
    EXPECT_EQ(session.textScroll.vertical.pageSize, 1000 / 16);
    EXPECT_EQ(session.textScroll.vertical.maximum, 0) << "the welcome line fits the window";
    shell.dialogActions[DialogId::StandardProfiles] = [] { return true; };
    std::string states;
    for (const int command : {0, 109, 110, 999, 1001, 4200}) {
        EXPECT_FALSE(run(command)) << command << " is not the main window's";
    }
    for (const int command :
         {kMenuAbout, kMenuHelp, kButtonHelp, kButtonGraphicsMode, kButtonTextMode, kMenuNewProject,
          kMenuGraphicalDisplay, kButtonGraphicsMode, kButtonTextMode, kMenuTextDisplay,
          kMenuScheduleTable, kButtonScheduleTable, kMenuGraphicalDisplay, kMenuMillLoads,
          kButtonMillLoads, kMenuTextDisplay, kMenuScheduleTable, kMenuGraphicalDisplay,
          kMenuStandardProfiles}) {
        EXPECT_TRUE(run(command)) << command;
        states += std::to_string(command) + ": " + shell.takeShown() +
                  std::to_string(static_cast<int>(session.displayMode)) + " shown " +
                  std::to_string(static_cast<int>(shell.displayShown)) + ", toolbar " +
                  std::to_string(shell.toolbarShown) + ", bars " +
                  std::to_string(shell.scrollBarsEnabled) + ", dialogs " +
                  std::to_string(shell.dialogsRun.size()) + ", help " +
                  std::to_string(shell.helpOpened) + ", repaints " +
                  std::to_string(shell.repaints) + " " + std::to_string(shell.rectRepaints) + "\n";
    }
    expectGolden("display-commands.txt", states);
}

// Compute, an input OK and New Project note the warnings (the count and
// where to look are project/'s) and put each beneath its pass's caption;
// what the OK did to the mill comes first, once.
TEST_F(MainCommands, ComputeNotesTheWarningsAndPutsThemBeneathThePassCaptions) {
    startWithCustomSection(7);
    const int repaints = shell.repaints;
    run(kMenuCompute);
    EXPECT_GT(session.project.passes.records[0].passWidth, 0.0f);
    EXPECT_EQ(shell.repaints, repaints + 1);
    EXPECT_EQ(shell.note, "") << "no warnings, no note";

    session.project.coefficients.webElongation[3] = 1.7f;
    run(kMenuCompute);
    EXPECT_EQ(shell.note, "1 warning: see the Schedule Table");
    EXPECT_EQ(session.passNotes.lines[2],
              std::vector<std::string>{"the web elongation 1.700 is above the ceiling of 1.6"});
    EXPECT_TRUE(session.passNotes.lines[1].empty());

    session.project.mill = exampleMill(7);
    shell.dialogActions[DialogId::Setup] = [this] {
        const InputResult setup = applySetup(session.project, {9, 1000});
        session.inputNote = setup.note;
        return setup.accepted();
    };
    run(kMenuSetup);
    EXPECT_EQ(session.project.section.passCount, 9);
    EXPECT_EQ(shell.note,
              "The mill has 9 stands now: 2 copied from the last; 1 warning: see the Schedule "
              "Table");
    EXPECT_EQ(session.inputNote, "");

    shell.answers.push_back(MessageAnswer::No);
    run(kMenuNewProject);
    EXPECT_TRUE(session.passNotes.lines[2].empty()) << "a new project has no warnings";
    EXPECT_EQ(shell.note, "");
}

}  // namespace
}  // namespace rolvanta::testing
