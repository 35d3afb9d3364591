#include <gtest/gtest.h>

#include "app/main_commands.h"
#include "app/project_commands.h"
#include "app_fixture.h"
#include "resources/command_ids.h"
#include "storage/project_file.h"
#include "support/temporary_folder.h"

namespace rolvanta::testing {
namespace {

using MainCommands = AppTest;

struct GatedCommand {
    const char* name;
    int command;
    const char* dialog;  // nullptr for Compute
};

const GatedCommand kGatedCommands[] = {
    {"Standard Profiles menu", 2000, "DIALOG_INPUTS_PROFILESELECTION_STANDARD"},
    {"Standard Profiles button", 111, "DIALOG_INPUTS_PROFILESELECTION_STANDARD"},
    {"Custom Profiles menu", 2020, "DIALOG_INPUTS_PROFILESELECTION_CUSTOM"},
    {"Custom Profiles button", 112, "DIALOG_INPUTS_PROFILESELECTION_CUSTOM"},
    {"Coefficients menu", 2100, "DIALOG_INPUTS_COEFFICIENTS"},
    {"Coefficients button", 113, "DIALOG_INPUTS_COEFFICIENTS"},
    {"Setup menu", 2200, "DIALOG_INPUTS_SETUP"},
    {"Setup button", 114, "DIALOG_INPUTS_SETUP"},
    {"Compute menu", 3000, nullptr},
    {"Compute button", 115, nullptr},
};

TEST_F(MainCommands, StartUpLeavesTheEmptyProjectInTextMode) {
    EXPECT_EQ(shell.title, "ROLVANTA - Start New Project");
    EXPECT_FALSE(shell.scrollBarsEnabled);
    EXPECT_TRUE(shell.toolbarShown);
    EXPECT_EQ(session.graphicsMode, 0);
    EXPECT_STREQ(session.project.section.name, "no name");
    EXPECT_EQ(session.project.section.mass, 10.0f);
    EXPECT_EQ(session.project.coefficients.webElongation[1], 1.04f);
    EXPECT_EQ(session.textLayout.lineHeight, 16);
    EXPECT_EQ(session.textScroll.vertical.maximum, 199);
    EXPECT_EQ(session.textScroll.horizontal.maximum, 500 / 7 + 2);
    EXPECT_FALSE(hasUnsavedChanges(session));
}

TEST_F(MainCommands, GatedCommandsAreRefusedBeforeAProjectIsStarted) {
    for (const GatedCommand& gated : kGatedCommands) {
        SCOPED_TRACE(gated.name);
        FakeShell fresh;
        Session before = session;
        EXPECT_TRUE(runCommand(session, fresh, gated.command));
        ASSERT_EQ(fresh.messages.size(), 1u);
        EXPECT_EQ(fresh.messages[0].text, "Please Start New Project !");
        EXPECT_EQ(fresh.messages[0].caption, "Note");
        EXPECT_TRUE(fresh.dialogsRun.empty());
        EXPECT_EQ(fresh.repaints, 0);
        EXPECT_TRUE(sameBytes(session.project, before.project));
    }
}

TEST_F(MainCommands, GatedCommandsRunOnceAProjectIsStarted) {
    run(kMenuNewProject);
    for (const GatedCommand& gated : kGatedCommands) {
        SCOPED_TRACE(gated.name);
        FakeShell fresh;
        runCommand(session, fresh, gated.command);
        EXPECT_TRUE(fresh.messages.empty());
        if (gated.dialog != nullptr) {
            EXPECT_EQ(fresh.dialogsRun, std::vector<std::string>{gated.dialog});
            EXPECT_EQ(fresh.repaints, 1) << "every input dialog is followed by a repaint";
        }
    }
}

TEST_F(MainCommands, UngatedCommandsWorkBeforeAProjectIsStarted) {
    run(kMenuAbout);
    run(kMenuHelp);
    run(kButtonHelp);
    run(kButtonGraphicsMode);
    run(kButtonTextMode);
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(shell.dialogsRun, std::vector<std::string>{"DIALOG_HELP_ABOUT"});
    EXPECT_EQ(shell.helpOpened, 2);
    EXPECT_EQ(shell.rectRepaints, 2) << "Help repaints the first client area";
}

TEST_F(MainCommands, UnknownCommandsAreNotTheMainWindows) {
    for (const int command : {0, 109, 110, 999, 1001, 4200}) {
        EXPECT_FALSE(run(command)) << command;
    }
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(MainCommands, ComputeRunsOnlyWithACompleteSection) {
    const struct {
        const char* name;
        int standardChosen, setupDone, coefficientsGiven, customEntered;
        bool computes;
    } cases[] = {
        {"typed-in section alone", 0, 0, 0, 1, true},
        {"catalogue beam, setup and coefficients", 1, 1, 1, 0, true},
        {"catalogue beam and setup, no coefficients", 1, 1, 0, 0, false},
        {"catalogue beam and coefficients, no setup", 1, 0, 1, 0, false},
        {"catalogue beam alone", 1, 0, 0, 0, false},
        {"setup and coefficients, no section", 0, 1, 1, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StartedProject started;
        Session& fresh = started.session;
        FakeShell& window = started.shell;
        fresh.project.section = exampleSection(7);
        ProjectFlags& flags = fresh.project.flags;
        flags.standardChosen = c.standardChosen;
        flags.setupDone = c.setupDone;
        flags.coefficientsGiven = c.coefficientsGiven;
        flags.customEntered = c.customEntered;
        const int repaintsBefore = window.repaints;

        runCommand(fresh, window, kButtonCompute);

        EXPECT_TRUE(window.messages.empty()) << "Compute never explains a refusal";
        EXPECT_EQ(flags.computed, c.computes ? 1 : 0);
        EXPECT_EQ(fresh.project.passes.records[0].passWidth > 0.0f, c.computes);
        EXPECT_EQ(window.repaints - repaintsBefore, c.computes ? 1 : 0);
    }
}

TEST_F(MainCommands, DisplayCommandsSwitchModeToolbarAndScrollBars) {
    run(kMenuNewProject);
    const int repaints = shell.repaints;

    run(kMenuGraphicalDisplay);
    EXPECT_EQ(session.graphicsMode, 1);
    EXPECT_EQ(shell.displayShown, 1);
    EXPECT_FALSE(shell.toolbarShown);
    EXPECT_FALSE(shell.scrollBarsEnabled);
    EXPECT_EQ(shell.repaints, repaints) << "the pass view draws itself when shown";

    run(kButtonGraphicsMode);
    EXPECT_EQ(session.graphicsMode, 1);

    run(kButtonTextMode);
    EXPECT_EQ(session.graphicsMode, 0);
    EXPECT_EQ(shell.displayShown, 0);
    EXPECT_TRUE(shell.toolbarShown);
    EXPECT_TRUE(shell.scrollBarsEnabled);
    EXPECT_EQ(shell.repaints, repaints + 1) << "the text page comes back painted";

    run(kMenuTextDisplay);
    EXPECT_EQ(shell.repaints, repaints + 1) << "text mode again repaints nothing";
}

TEST_F(MainCommands, ADialogThatLeavesGraphicsModeBringsTheTextPagesBack) {
    run(kMenuNewProject);
    run(kMenuGraphicalDisplay);
    shell.dialogActions[kStandardProfileDialog] = [this] {
        session.graphicsMode = 0;
        return 0;
    };
    run(kMenuStandardProfiles);
    EXPECT_EQ(shell.displayShown, 0);
    EXPECT_FALSE(shell.toolbarShown) << "the toolbar stays as it was";
}

TEST_F(MainCommands, ExitQuitsAtOnceWhenNothingChanged) {
    run(kMenuExit);
    EXPECT_EQ(shell.quitCode, 0);
    EXPECT_TRUE(shell.messages.empty());

    FakeShell again;
    runCommand(session, again, kMenuNewProject);
    runCommand(session, again, kMenuExit);
    EXPECT_EQ(again.quitCode, 0);
    EXPECT_TRUE(again.messages.empty()) << "a project just started holds nothing to save";
}

TEST_F(MainCommands, ExitWithChangesAsksFirst) {
    TemporaryFolder folder;
    const struct {
        const char* name;
        MessageAnswer answer;
        bool saveDialogConfirmed;
        bool quits;
    } cases[] = {
        {"Cancel keeps the program running", MessageAnswer::Cancel, false, false},
        {"No quits without saving", MessageAnswer::No, false, true},
        {"Yes, save dialog cancelled, keeps running", MessageAnswer::Yes, false, false},
        {"Yes, saved, quits", MessageAnswer::Yes, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StartedProject started;
        Session& fresh = started.session;
        FakeShell& window = started.shell;
        fresh.project.flags.customEntered = 1;
        window.answers = {c.answer};
        const std::string path = folder / "exit";
        if (c.saveDialogConfirmed) window.fileChoices = {chosenFile(path, 1)};

        runCommand(fresh, window, kMenuExit);

        ASSERT_FALSE(window.messages.empty());
        EXPECT_EQ(window.messages[0].text, "Do You Want To Save Current Project ?");
        EXPECT_EQ(window.messages[0].caption, "Confirm");
        EXPECT_EQ(window.messages[0].buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(window.quitCode, c.quits ? 0 : -1);
        EXPECT_EQ(readFileBytes(path + ".rol").empty(), !c.saveDialogConfirmed);
    }
}

TEST_F(MainCommands, CloseSavesAnOpenedProjectToItsOwnFile) {
    TemporaryFolder folder;
    startWithCustomSection();
    shell.fileChoices = {chosenFile(folder / "beam.rol", 1)};
    run(kMenuSaveAs);
    run(kMenuCompute);
    shell.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(confirmClose(session, shell));
    EXPECT_EQ(shell.messageTexts().back(), "Saved File " + folder / "beam.rol");
    Project reread{};
    ASSERT_TRUE(readProjectFile(folder / "beam.rol", reread, shell));
    EXPECT_EQ(reread.flags.computed, 1) << "the computed schedule was saved";
}

}  // namespace
}  // namespace rolvanta::testing
