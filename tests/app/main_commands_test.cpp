#include <gtest/gtest.h>

#include <optional>

#include "app/main_commands.h"
#include "app_fixture.h"
#include "project/design_inputs.h"
#include "project/mill_inputs.h"
#include "support/golden_file.h"
#include "support/mill_loads_fixture.h"

namespace rolvanta::testing {
namespace {

using MainCommands = AppTest;

TEST_F(MainCommands, StartUpLeavesTheEmptyProjectInTextMode) {
    EXPECT_EQ(fileState(), "000 ROLVANTA - Start New Project");
    EXPECT_FALSE(shell.scrollBarsEnabled);
    EXPECT_TRUE(shell.toolbarShown);
    EXPECT_EQ(session.displayMode, DisplayMode::TextPages);
    EXPECT_STREQ(session.project.section.name, "no name");
    EXPECT_EQ(session.textScroll.vertical.maximum, 0) << "the welcome line fits the window";
    EXPECT_EQ(session.textScroll.vertical.pageSize, 1000 / 16);
    EXPECT_FALSE(hasUnsavedChanges(session));
}

TEST(MainCommand, GatedCommandsNeedAStartedProject) {
    const struct {
        const char* name;
        int command;
        std::optional<DialogId> dialog;  // none for Compute
    } gated[] = {
        {"Standard Profiles menu", 2000, DialogId::StandardProfiles},
        {"Standard Profiles button", 111, DialogId::StandardProfiles},
        {"Custom Profiles menu", 2020, DialogId::CustomProfiles},
        {"Custom Profiles button", 112, DialogId::CustomProfiles},
        {"Coefficients menu", 2100, DialogId::Coefficients},
        {"Coefficients button", 113, DialogId::Coefficients},
        {"Setup menu", 2200, DialogId::Setup},
        {"Setup button", 114, DialogId::Setup},
        {"Compute menu", 3000, std::nullopt},
        {"Compute button", 115, std::nullopt},
        {"Save Project menu", 1200, std::nullopt},
        {"Save Project button", 107, std::nullopt},
    };
    for (const auto& c : gated) {
        SCOPED_TRACE(c.name);
        App app;
        const Project before = app.session.project;
        EXPECT_TRUE(app.run(c.command));
        EXPECT_EQ(app.shell.takeShown(), "Note: Please Start New Project !");
        EXPECT_TRUE(app.shell.dialogsRun.empty() && app.shell.fileDialogs.empty());
        EXPECT_EQ(app.shell.repaints, 0);
        EXPECT_TRUE(sameBytes(app.session.project, before));

        app.run(kMenuNewProject);
        const int repaints = app.shell.repaints;
        app.run(c.command);
        if (c.dialog) {
            EXPECT_TRUE(app.shell.messages.empty()) << "no second note";
            EXPECT_EQ(app.shell.dialogsRun, std::vector<DialogId>{*c.dialog});
            EXPECT_EQ(app.shell.repaints, repaints + 1)
                << "every input dialog is followed by a repaint";
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

// Which flags let Compute run is tested in project/; here each missing step
// maps to its message, and a Compute repaints.
TEST(MainCommand, ComputeRunsOnlyWithACompleteSection) {
    const char* const coefficients =
        "Give the coefficients first (Inputs › Coefficients; Default takes the standard set)";
    const struct {
        const char* name;
        int standardChosen, setupDone, coefficientsGiven, customEntered;
        const char* missing;  // nullptr: computes
    } cases[] = {
        {"typed-in section alone", 0, 0, 0, 1, nullptr},
        {"catalogue beam and setup, no coefficients", 1, 1, 0, 0, coefficients},
        {"catalogue beam and coefficients, no setup", 1, 0, 1, 0,
         "Run Setup first (Inputs › Setup)"},
        {"setup and coefficients, no section", 0, 1, 1, 0,
         "Choose a profile first (Inputs › Profile Dimensions)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        App app;
        app.run(kMenuNewProject);
        app.session.project.section = exampleSection(7);
        ProjectFlags& flags = app.session.project.flags;
        flags.standardChosen = c.standardChosen;
        flags.setupDone = c.setupDone;
        flags.coefficientsGiven = c.coefficientsGiven;
        flags.customEntered = c.customEntered;
        const int repaints = app.shell.repaints;
        app.run(kButtonCompute);
        const bool computes = c.missing == nullptr;
        EXPECT_EQ(app.shell.messageTexts(),
                  computes ? std::vector<std::string>{} : std::vector<std::string>{c.missing});
        EXPECT_EQ(flags.computed, computes);
        EXPECT_EQ(app.session.project.passes.records[0].passWidth > 0.0f, computes);
        EXPECT_EQ(app.shell.repaints - repaints, computes ? 1 : 0);
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

TEST_F(MainCommands, ComputeNotesTheWarningsAndPutsThemBeneathThePassCaptions) {
    startWithCustomSection(7);
    run(kMenuCompute);
    EXPECT_EQ(shell.notes.back(), "") << "no warnings, no note";

    session.project.coefficients.webElongation[3] = 1.7f;
    run(kMenuCompute);
    EXPECT_EQ(shell.notes.back(), "1 warning: see the Schedule Table");
    EXPECT_EQ(session.passNotes.lines[2],
              std::vector<std::string>{"the web elongation 1.700 is above the ceiling of 1.6"});
    EXPECT_TRUE(session.passNotes.lines[1].empty());

    // An input OK that computes the design anew says so as well.
    shell.dialogActions[DialogId::Setup] = [this] {
        return applySetup(session.project, {9, 1000}).accepted();
    };
    run(kMenuSetup);
    EXPECT_EQ(session.project.section.passCount, 9);
    EXPECT_EQ(shell.notes.back(), "1 warning: see the Schedule Table");

    // What the OK did to the mill comes first, once.
    session.project.mill = exampleMill(9);
    shell.dialogActions[DialogId::Setup] = [this] {
        const InputResult setup = applySetup(session.project, {7, 1000});
        session.inputNote = setup.note;
        return setup.accepted();
    };
    run(kMenuSetup);
    EXPECT_EQ(
        shell.notes.back(),
        "The mill has 7 stands now: the last 2 taken away; 1 warning: see the Schedule Table");
    EXPECT_EQ(session.inputNote, "");

    shell.answers.push_back(MessageAnswer::No);
    run(kMenuNewProject);
    EXPECT_TRUE(session.passNotes.lines[2].empty()) << "a new project has no warnings";
    EXPECT_EQ(shell.notes.back(), "");
}

// The load warnings go where the design warnings go: counted in the note,
// which says where to look, and beneath their pass's caption (pass 3 of the
// fixture is over its stand's force limit).
TEST_F(MainCommands, NotesTheLoadWarningsToo) {
    session.project = millLoadsProject();
    noteDesignWarnings(session, shell);
    EXPECT_NE(shell.notes.back().find(": see Mill Loads"), std::string::npos) << shell.notes.back();
    EXPECT_FALSE(session.passNotes.lines[1].empty());
}

// Exit asks as New Project asks (its Yes: project_commands_test.cpp).
TEST(MainCommand, ExitAsksFirstOnlyWhenSomethingChanged) {
    const struct {
        const char* name;
        bool started, changed;
        MessageAnswer answer;
        bool quits;
    } cases[] = {
        {"nothing started", false, false, MessageAnswer::Ok, true},
        {"a project just started", true, false, MessageAnswer::Ok, true},
        {"Cancel keeps the program running", true, true, MessageAnswer::Cancel, false},
        {"No quits without saving", true, true, MessageAnswer::No, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        App app;
        if (c.started) app.run(kMenuNewProject);
        app.session.project.flags.customEntered = c.changed;
        app.shell.answers = {c.answer};

        app.run(kMenuExit);

        EXPECT_EQ(app.shell.messageTexts(),
                  std::vector<std::string>(c.changed, "Do You Want To Save Current Project ?"));
        if (c.changed) {
            EXPECT_EQ(app.shell.messages[0].caption, "Confirm");
            EXPECT_EQ(app.shell.messages[0].buttons, MessageButtons::YesNoCancel);
        }
        EXPECT_EQ(app.shell.quitCode, c.quits ? 0 : -1);
    }
}

}  // namespace
}  // namespace rolvanta::testing
