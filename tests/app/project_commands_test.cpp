#include <gtest/gtest.h>

#include <filesystem>

#include "app/project_commands.h"
#include "app_fixture.h"
#include "storage/project_file.h"
#include "support/golden_file.h"

namespace rolvanta::testing {
namespace {

class ProjectCommands : public AppTest {
  protected:
    std::string path(const char* name) const { return folder / name; }

    // A project file on disk: the example section, chosen from the catalogue.
    std::string projectOnDisk(const char* name, int passCount = 5) {
        Project stored{};
        stored.section = exampleSection(passCount);
        stored.flags.standardChosen = true;
        stored.flags.lastSaveKind = SaveKind::Report;
        writeFileBytes(path(name), encodeProjectFile(stored));
        return path(name);
    }

    std::string shown() { return shell.takeShown(); }
};

// Each step runs a command, its file dialog confirming the file given (none:
// cancelled); the file state (projectStarted, hasFileName, lastSaveKind,
// title) and the message after each are compared with the golden file. A
// refused or failed step changes nothing.
TEST_F(ProjectCommands, FileStatesOverNewOpenSaveAndSaveAs) {
    writeFileBytes(path("plain.dat"), readFileBytes(projectOnDisk("opened.rol")));
    writeFileBytes(path("short.rol"), std::string(100, 'x'));
    writeFileBytes(path("broken.rolx"), "{x");
    const FileType rol = FileType::Project, txt = FileType::Report, rolx = FileType::Design;
    const struct {
        const char* what;
        int command;
        const char* chosen;
        FileType type;
        bool changes;
    } steps[] = {
        {"the first New Project", kMenuNewProject, nullptr, rol, true},
        {"Open a project file", kMenuOpenProject, "opened.rol", rol, true},
        {"Save As a report", kMenuSaveAs, "schedule", txt, true},
        {"Save rewrites the report", kMenuSaveProject, nullptr, rol, false},
        {"Save As a project file", kMenuSaveAs, "again", rol, true},
        {"Save from the toolbar", kButtonSaveFile, nullptr, rol, false},
        {"Open, cancelled", kMenuOpenProject, nullptr, rol, false},
        {"Save As, cancelled", kMenuSaveAs, nullptr, rol, false},
        {"Open a report", kButtonOpenFile, "notes.txt", txt, false},
        {"Open a file without the extension", kButtonOpenFile, "plain.dat", rol, false},
        {"Open a missing file", kButtonOpenFile, "missing.rol", rol, false},
        {"Open a file cut short", kButtonOpenFile, "short.rol", rol, false},
        {"Save As into a missing folder", kMenuSaveAs, "gone/beam", rol, false},
        {"Save still writes the project's own file", kMenuSaveProject, nullptr, rol, false},
        {"Save As a design", kMenuSaveAs, "design", rolx, true},
        {"Save rewrites the design", kMenuSaveProject, nullptr, rol, false},
        {"Open a design without its extension", kButtonOpenFile, "plain.dat", rolx, false},
        {"Open a damaged design", kButtonOpenFile, "broken.rolx", rolx, false},
        {"Open a design as a project file", kButtonOpenFile, "design.rolx", rol, true},
    };
    std::string transcript;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        const Session before = session;
        if (step.chosen) choose(path(step.chosen), step.type);
        run(step.command);
        transcript += std::string(step.what) + "\n  " + fileState() + "\n  " + shown() + "\n";
        if (!step.changes) {
            EXPECT_TRUE(sameBytes(session.project, before.project));
            EXPECT_EQ(session.filePath, before.filePath);
        }
    }
    expectGolden("file-states.txt", replaced(transcript, folder.path(), "FOLDER"));
    EXPECT_NE(readFileBytes(path("schedule.txt")).find("Results Of Project - schedule\r\n"),
              std::string::npos);
    EXPECT_EQ(shell.fileDialogs.size(), 14u) << "Save asks for no file";
}

TEST_F(ProjectCommands, OpenOffersUnsavedChangesForSaving) {
    startWithCustomSection(9);
    run(kMenuCompute);
    EXPECT_EQ(shell.title, "ROLVANTA - New Project Started *");
    choose(projectOnDisk("beam.rol", 5));
    const int repaints = shell.repaints;
    shell.answers = {MessageAnswer::No};

    run(kButtonOpenFile);

    EXPECT_EQ(shown(), "Confirm: Do You Want To Save Current Project ?");
    EXPECT_EQ(shell.repaints, repaints + 2);
    EXPECT_EQ(session.project.section.passCount, 5);
    EXPECT_EQ(fileState(), "111 ROLVANTA - beam.rol ( " + path("beam.rol") + " )");
    EXPECT_FALSE(hasUnsavedChanges(session));
}

// Saved as a project file, then as a report, then changed: the question's
// Yes keeps the change in a project file, for a report cannot be opened.
TEST_F(ProjectCommands, YesAfterAReportSavesAProjectFile) {
    startWithCustomSection(6);
    run(kMenuCompute);
    choose(path("hz"), FileType::Project);
    run(kMenuSaveAs);
    choose(path("hz"), FileType::Report);
    run(kMenuSaveAs);
    const std::string report = readFileBytes(path("hz.txt"));
    shell.dialogActions[DialogId::Setup] = [this] {
        session.project.section.passCount = 7;
        return true;
    };
    run(kMenuSetup);
    EXPECT_EQ(fileState(), "112 ROLVANTA - hz.txt ( " + path("hz.txt") + " ) *");
    const struct {
        const char* name;
        int command;
        MessageAnswer cancelFirst;  // Cancel of the question, or of the name asked for
    } cases[] = {{"Open", kMenuOpenProject, MessageAnswer::Cancel},
                 {"Exit", kMenuExit, MessageAnswer::Yes}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        shell.fileDialogs.clear();
        shell.answers = {c.cancelFirst};  // a Yes whose name is not given saves nothing
        run(c.command);
        EXPECT_EQ(shell.quitCode, -1);
        EXPECT_TRUE(hasUnsavedChanges(session));
    }
    shell.fileDialogs.clear();
    shell.answers = {MessageAnswer::Yes};
    choose(path("hz2"), FileType::Project);
    run(kMenuExit);
    EXPECT_EQ(shell.fileDialogs, std::vector<std::string>{"save project"});
    EXPECT_EQ(shell.quitCode, 0);
    Project saved{};
    ASSERT_FALSE(readProjectFile(path("hz2.rol"), saved));
    EXPECT_EQ(saved.section.passCount, 7);
    EXPECT_EQ(readFileBytes(path("hz.txt")), report) << "the report is left as it was";
    EXPECT_EQ(fileState(), "111 ROLVANTA - hz2.rol ( " + path("hz2.rol") + " )");
}

// The file named on the command line opens as Open Project opens one;
// one that cannot be opened leaves the empty start, its reason shown.
TEST_F(ProjectCommands, StartFileOpensAsOpenProjectOrLeavesTheEmptyStart) {
    const struct {
        const char* name;
        const char* file;
        std::string state;
        std::string message;
    } cases[] = {
        {"a project file", "beam.rol", "111 ROLVANTA - beam.rol ( " + path("beam.rol") + " )", ""},
        {"a missing file", "missing.rol", "000 ROLVANTA - Start New Project",
         "Cannot Open File: Cannot open " + path("missing.rol") + ": No such file or directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        App started;
        if (std::string(c.file) == "beam.rol") projectOnDisk(c.file);
        openStartFile(started.session, started.shell, path(c.file), c.file);
        EXPECT_EQ(started.fileState(), c.state);
        EXPECT_EQ(started.shell.takeShown(), c.message);
        EXPECT_EQ(started.shell.scrollBarsEnabled, c.message.empty());
    }
}

TEST_F(ProjectCommands, AFailedSaveKeepsTheProjectForAnotherTry) {
    // A project whose file's folder has gone: Save says so, not "Saved File",
    // and New Project's Yes keeps the project.
    startWithCustomSection();
    std::filesystem::create_directory(path("folder"));
    choose(path("folder/beam"));
    ASSERT_TRUE(saveProjectAs(session, shell));
    std::filesystem::remove_all(path("folder"));
    shown();
    run(kMenuCompute);
    run(kMenuSaveProject);
    const std::string cannotWrite =
        "Cannot write " + path("folder/beam.rol") + ": No such file or directory";
    EXPECT_EQ(shown(), "Cannot Open File: " + cannotWrite);
    EXPECT_TRUE(hasUnsavedChanges(session)) << "closing will still offer to save";

    shell.answers = {MessageAnswer::Yes};
    run(kMenuNewProject);
    EXPECT_EQ(shell.messageTexts().back(), cannotWrite);
    EXPECT_STREQ(session.project.section.name, "MB 100");
    EXPECT_EQ(session.project.flags.hasFileName, 1);
}

TEST(ProjectCommand, NewProjectAsksOnceStartedAndFollowsTheAnswer) {
    const struct {
        const char* name;
        MessageAnswer answer;
        bool hasFile;
        bool saveDialogConfirmed;
        bool resets;
    } cases[] = {
        {"Cancel keeps the project", MessageAnswer::Cancel, true, false, false},
        {"No resets without saving", MessageAnswer::No, true, false, true},
        {"Yes with a file saves it, then resets", MessageAnswer::Yes, true, false, true},
        {"Yes without a file, dialog cancelled, keeps", MessageAnswer::Yes, false, false, false},
        {"Yes without a file, saved through the dialog, resets", MessageAnswer::Yes, false, true,
         true},
    };
    std::string transcript;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        App app;
        app.startWithCustomSection(6);
        app.run(kMenuCompute);
        const std::string file = app.folder / "beam";
        if (c.hasFile) {
            app.choose(file);
            ASSERT_TRUE(saveProjectAs(app.session, app.shell));
            app.session.project.section.temperature = 1100.0f;  // a change since
        }
        if (c.saveDialogConfirmed) app.choose(file);
        const Project before = app.session.project;
        app.shell.messages.clear();
        app.shell.answers = {c.answer};

        app.run(kButtonNewFile);

        // The question, then: what was saved, the state and the file kept.
        ASSERT_FALSE(app.shell.messages.empty());
        EXPECT_EQ(app.shell.messages[0].icon, MessageIcon::Question);
        transcript += std::string(c.name) + "\n  " + app.shell.takeShown() + "\n  " +
                      app.session.project.section.name + " " + app.fileState() + " [" +
                      app.session.filePath + "]\n";
        if (c.resets) {
            // The passes stay; nothing changed since: the next New asks nothing.
            EXPECT_TRUE(sameBytes(app.session.project.passes, before.passes));
            app.run(kButtonNewFile);
            EXPECT_TRUE(app.shell.messages.empty());
        }
        transcript = replaced(transcript, app.folder.path(), "FOLDER");
    }
    expectGolden("new-project-answers.txt", transcript);
}

}  // namespace
}  // namespace rolvanta::testing
