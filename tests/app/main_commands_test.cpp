#include <gtest/gtest.h>

#include "app/export_commands.h"
#include "app/key_input.h"
#include "app_fixture.h"
#include "project/design_inputs.h"
#include "project/mill_inputs.h"
#include "storage/schedule_export.h"
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

// File > Export: the gate, the file dialog and the failure message.

// Confirms the file set in choice; the PDF is its title, the picture as set.
struct FakeExportShell : ExportShell {
    ExportChoice showExportDialog(ExportKind) override { return ++dialogs, choice; }
    std::string renderReportPdf(const Project&, const std::string& t) override { return "%" + t; }
    std::string grabViewPicture() override { return picture; }
    bool printReport(const Project&, const std::string& t) override { return printed += t, true; }

    ExportChoice choice;
    std::string picture = "PNG bytes", printed;
    int dialogs = 0;
};

class ExportCommands : public AppTest {
  protected:
    void export_(int command, const char* name = "", bool onePerPass = false) {
        exports.choice = {*name != '\0', folder / name, onePerPass};
        runExportCommand(session, shell, exports, command);
    }
    FakeExportShell exports;
};

TEST_F(ExportCommands, WriteNothingBeforeAProjectIsStartedAndComputed) {
    for (const int command :
         {kMenuExportPassDrawings, kMenuExportReportPdf, kMenuPrint, kMenuExportViewPicture,
          kMenuExportScheduleCsv, kMenuExportScheduleJson}) {
        export_(command, "out");
        startWithCustomSection();
        export_(command, "out");
        EXPECT_EQ(shell.takeShown(),
                  "Note: Please Start New Project !\nNote: Compute the design first")
            << command;
        session = Session{};
    }
    EXPECT_EQ(exports.dialogs, 0);
    EXPECT_EQ(exports.printed, "");
    EXPECT_EQ(folder.listing(), "");
}

TEST_F(ExportCommands, WriteTheChosenFileOnceComputed) {
    startWithCustomSection(6);
    run(kMenuCompute);
    session.fileTitle = "beam.rol";
    const Project before = session.project;

    export_(kMenuExportReportPdf, "beam.pdf");
    export_(kMenuExportViewPicture, "view.png");
    export_(kMenuExportPassDrawings, "passes.dxf");
    export_(kMenuExportPassDrawings, "each.dxf", true);
    export_(kMenuExportScheduleCsv, "passes.csv");
    export_(kMenuExportScheduleJson, "beam.json");
    export_(kMenuPrint);

    EXPECT_EQ(exports.printed, "beam.rol");
    EXPECT_EQ(folder.listing(),
              "beam.json\nbeam.pdf\neach-PASS_02.dxf\neach-PASS_03.dxf\neach-PASS_04.dxf\neach-"
              "PASS_05.dxf\neach-PASS_06.dxf\npasses.csv\npasses.dxf\nview.png\n");
    EXPECT_EQ(readFileBytes(folder / "beam.pdf") + readFileBytes(folder / "view.png"),
              "%beam.rolPNG bytes");
    EXPECT_NE(readFileBytes(folder / "passes.dxf").find("  0\nSECTION\n  2\nHEADER\n"),
              std::string::npos);
    // The same tables as the command-line tool writes.
    EXPECT_EQ(readFileBytes(folder / "passes.csv"), formatScheduleCsv(session.project));
    EXPECT_EQ(readFileBytes(folder / "beam.json"), formatScheduleJson(session.project));
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_TRUE(sameBytes(session.project, before));

    // Cancelled, or nothing to write: no file and, for a cancel, no word.
    export_(kMenuExportReportPdf);
    exports.picture.clear();
    export_(kMenuExportViewPicture, "blank.png");
    EXPECT_EQ(shell.takeShown(),
              "Error: Cannot write " + folder / "blank.png" + ": the picture could not be made");
}

}  // namespace
}  // namespace rolvanta::testing
