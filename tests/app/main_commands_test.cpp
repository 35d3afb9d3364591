#include <gtest/gtest.h>

#include <optional>

#include "app_fixture.h"
#include "project/design_inputs.h"
#include "project/mill_inputs.h"
#include "support/golden_file.h"

namespace rolvanta::testing {
namespace {

using MainCommands = AppTest;

TEST_F(MainCommands, StartUpLeavesTheEmptyProjectInTextMode) {
    EXPECT_EQ(fileState(), "000 ROLVANTA - Start New Project");
    EXPECT_FALSE(shell.scrollBarsEnabled);
    EXPECT_TRUE(shell.toolbarShown);
    EXPECT_EQ(session.displayMode, DisplayMode::TextPages);
    EXPECT_EQ(session.textScroll.vertical.pageSize, 1000 / 16);
    EXPECT_FALSE(hasUnsavedChanges(session));
}

// Before New Project the menu item and the button of each say so and do
// nothing; after it, an input command runs its dialog and repaints.
TEST(MainCommand, GatedCommandsNeedAStartedProject) {
    const struct {
        int menu, button;
        std::optional<DialogId> dialog;  // none for Compute and Save
    } gated[] = {
        {2000, 111, DialogId::StandardProfiles},
        {2020, 112, DialogId::CustomProfiles},
        {2100, 113, DialogId::Coefficients},
        {2200, 114, DialogId::Setup},
        {kMenuMill, kButtonMill, DialogId::Mill},
        {3000, 115, std::nullopt},
        {1200, 107, std::nullopt},
    };
    for (const auto& c : gated) {
        for (const int command : {c.menu, c.button}) {
            SCOPED_TRACE(command);
            App app;
            const Project before = app.session.project;
            EXPECT_TRUE(app.run(command));
            EXPECT_EQ(app.shell.takeShown(), "Note: Please Start New Project !");
            EXPECT_TRUE(app.shell.dialogsRun.empty() && app.shell.fileDialogs.empty());
            EXPECT_EQ(app.shell.repaints, 0);
            EXPECT_TRUE(sameBytes(app.session.project, before));

            app.run(kMenuNewProject);
            const int repaints = app.shell.repaints;
            app.run(command);
            if (!c.dialog) continue;
            EXPECT_TRUE(app.shell.messages.empty()) << "no second note";
            EXPECT_EQ(app.shell.dialogsRun, std::vector<DialogId>{*c.dialog});
            EXPECT_EQ(app.shell.repaints, repaints + 1);
        }
    }
}

TEST_F(MainCommands, OtherCommandsNeedNoProject) {
    for (const int command :
         {kMenuAbout, kMenuHelp, kButtonHelp, kButtonGraphicsMode, kButtonTextMode}) {
        EXPECT_TRUE(run(command)) << command;
    }
    for (const int command : {0, 109, 110, 999, 1001, 4200}) {
        EXPECT_FALSE(run(command)) << command << " is not the main window's";
    }
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(shell.dialogsRun, std::vector<DialogId>{DialogId::About});
    EXPECT_EQ(shell.helpOpened, 2);
    EXPECT_EQ(shell.rectRepaints, 2) << "Help repaints the first client area";
}

// Which step Compute misses first, and its words, are project/'s; here a
// missing step is shown instead of computing, and a Compute repaints.
TEST(MainCommand, ComputeRunsOnlyWithACompleteSection) {
    for (const bool coefficientsGiven : {true, false}) {
        App app;
        app.run(kMenuNewProject);
        app.session.project.section = exampleSection(7);
        ProjectFlags& flags = app.session.project.flags;
        flags.standardChosen = flags.setupDone = 1;
        flags.coefficientsGiven = coefficientsGiven;
        const int repaints = app.shell.repaints;
        app.run(kButtonCompute);
        EXPECT_EQ(app.shell.takeShown(), coefficientsGiven
                                             ? ""
                                             : "Note: Give the coefficients first (Inputs › "
                                               "Coefficients; Default takes the standard set)");
        EXPECT_EQ(flags.computed, coefficientsGiven);
        EXPECT_EQ(app.session.project.passes.records[0].passWidth > 0.0f, coefficientsGiven);
        EXPECT_EQ(app.shell.repaints - repaints, coefficientsGiven ? 1 : 0);
    }
}

// After each display command: the mode kept and shown, the toolbar and the
// scroll bars, and the repaints since the project was started. The pass view
// draws itself when shown; the text page comes back painted, once; the
// Schedule Table and Mill Loads keep the toolbar and scroll by themselves; a
// dialog that leaves graphics mode brings the text pages back, the toolbar
// as it was.
TEST_F(MainCommands, DisplayCommandsSwitchModeToolbarAndScrollBars) {
    run(kMenuNewProject);
    const int repaints = shell.repaints;
    shell.dialogActions[DialogId::StandardProfiles] = [] { return true; };
    std::string states;
    for (const int command :
         {kMenuGraphicalDisplay, kButtonGraphicsMode, kButtonTextMode, kMenuTextDisplay,
          kMenuScheduleTable, kButtonScheduleTable, kMenuGraphicalDisplay, kMenuMillLoads,
          kButtonMillLoads, kMenuTextDisplay, kMenuScheduleTable, kMenuGraphicalDisplay,
          kMenuStandardProfiles}) {
        run(command);
        states += std::to_string(command) + ": " +
                  std::to_string(static_cast<int>(session.displayMode)) + " shown " +
                  std::to_string(static_cast<int>(shell.displayShown)) + ", toolbar " +
                  std::to_string(shell.toolbarShown) + ", bars " +
                  std::to_string(shell.scrollBarsEnabled) + ", repaints " +
                  std::to_string(shell.repaints - repaints) + "\n";
    }
    expectGolden("display-commands.txt", states);
}

// Compute, an input OK and New Project note the warnings (the count and
// where to look are project/'s) and put each beneath its pass's caption;
// what the OK did to the mill comes first, once.
TEST_F(MainCommands, ComputeNotesTheWarningsAndPutsThemBeneathThePassCaptions) {
    startWithCustomSection(7);
    run(kMenuCompute);
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
