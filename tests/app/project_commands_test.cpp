#include <gtest/gtest.h>

#include <filesystem>

#include "app/project_commands.h"
#include "app_fixture.h"
#include "storage/project_file.h"
#include "support/golden_file.h"

namespace rolvanta::testing {
namespace {

// A project file in the folder: the example section, chosen from the
// catalogue.
std::string projectOnDisk(const App& app, const char* name, int passCount = 5) {
    Project stored{};
    stored.section = exampleSection(passCount);
    stored.flags.standardChosen = true;
    stored.flags.lastSaveKind = SaveKind::Report;
    writeFileBytes(app.folder / name, encodeProjectFile(stored));
    return app.folder / name;
}

using ProjectCommands = AppTest;

// Each step runs a command, its file dialog confirming the file given (none:
// cancelled), or (command 0) opens the file named on the command line as
// Open Project opens one; the file state (projectStarted, hasFileName,
// lastSaveKind, title, scroll bars) and the message after each are compared
// with the golden file. A refused or failed step changes nothing.
TEST_F(ProjectCommands, FileStatesOverNewOpenSaveAndSaveAs) {
    writeFileBytes(folder / "plain.dat", readFileBytes(projectOnDisk(*this, "opened.rol")));
    writeFileBytes(folder / "short.rol", std::string(100, 'x'));
    writeFileBytes(folder / "broken.rolx", "{x");
    const FileType rol = FileType::Project, txt = FileType::Report, rolx = FileType::Design;
    const struct {
        const char* what;
        int command;
        const char* chosen;
        FileType type;
        bool changes;
    } steps[] = {
        {"Start with a missing file", 0, "missing.rol", rol, false},
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
        {"Start with a project file", 0, "opened.rol", rol, true},
    };
    std::string transcript;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        const Session before = session;
        if (step.command == 0) {
            shell.scrollBarsEnabled = false;  // as at start-up
            openStartFile(session, shell, folder / step.chosen, step.chosen);
        } else {
            if (step.chosen) choose(step.chosen, step.type);
            run(step.command);
        }
        transcript += std::string(step.what) + "\n  " + fileState() +
                      (shell.scrollBarsEnabled ? " (bars)" : "") + "\n  " + shell.takeShown() +
                      "\n";
        if (!step.changes) {
            EXPECT_TRUE(sameBytes(session.project, before.project));
            EXPECT_EQ(session.filePath, before.filePath);
        }
    }
    expectGolden("file-states.txt", replaced(transcript, folder.path(), "FOLDER"));
    EXPECT_NE(readFileBytes(folder / "schedule.txt").find("Results Of Project - schedule\r\n"),
              std::string::npos);
    EXPECT_EQ(shell.fileDialogs.size(), 14u) << "Save asks for no file";
}

// New, Open and Exit ask first when the project has changed, and go on or
// not by the answer; a Yes saves to the project's own file, or asks for a
// project file's name when there is none or the last save was a report
// (which cannot be opened again). For each case the golden file has the
// messages, the file dialogs, repaints and quit code, the state after (with
// the pass view's cursor brought onto the schedule) and the files left in
// the folder (beam.rol with the temperature it holds).
TEST(ProjectCommand, LeavingAChangedProjectAsksFirstAndFollowsTheAnswer) {
    enum Before { Untouched, JustStarted, Unsaved, SavedProject, SavedReport, FolderGone };
    const MessageAnswer yes = MessageAnswer::Yes, no = MessageAnswer::No,
                        cancel = MessageAnswer::Cancel;
    const struct {
        const char* name;
        int command;
        Before before;
        MessageAnswer answer;
        const char* chosen;  // the file the dialog after the question confirms
    } cases[] = {
        {"New: Cancel keeps the project", kButtonNewFile, SavedProject, cancel, nullptr},
        {"New: No resets without saving", kButtonNewFile, SavedProject, no, nullptr},
        {"New: Yes with a file saves it, then resets", kButtonNewFile, SavedProject, yes, nullptr},
        {"New: Yes, the file's folder gone, keeps", kMenuNewProject, FolderGone, yes, nullptr},
        {"New: Yes without a file, dialog cancelled, keeps", kButtonNewFile, Unsaved, yes, nullptr},
        {"New: Yes without a file, saved through the dialog", kButtonNewFile, Unsaved, yes, "beam"},
        {"New: a project just started asks nothing", kButtonNewFile, JustStarted, cancel, nullptr},
        {"Open: Cancel keeps the project", kMenuOpenProject, Unsaved, cancel, "other.rol"},
        {"Open: No opens the file chosen", kButtonOpenFile, Unsaved, no, "other.rol"},
        {"Exit: Cancel keeps the program running", kMenuExit, Unsaved, cancel, nullptr},
        {"Exit: No quits without saving", kMenuExit, Unsaved, no, nullptr},
        {"Exit: Yes after a report, no name given, stays", kMenuExit, SavedReport, yes, nullptr},
        {"Exit: Yes after a report saves a project file", kMenuExit, SavedReport, yes, "beam"},
        {"Exit: a project just started quits at once", kMenuExit, JustStarted, cancel, nullptr},
        {"Exit: nothing started quits at once", kMenuExit, Untouched, cancel, nullptr},
    };
    std::string transcript;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        App app;
        if (c.before == JustStarted) app.run(kMenuNewProject);
        if (c.before >= Unsaved) {
            app.startWithCustomSection(6);
            app.run(kMenuCompute);
        }
        if (c.before >= SavedProject) {
            std::filesystem::create_directory(app.folder / "gone");
            app.choose(c.before == FolderGone ? "gone/beam" : "beam",
                       c.before == SavedReport ? FileType::Report : FileType::Project);
            ASSERT_TRUE(saveProjectAs(app.session, app.shell));
            std::filesystem::remove_all(app.folder / "gone");
            app.session.project.section.temperature = 1100.0f;  // a change since
        }
        app.session.passViewCursor.index = 5;  // the last pass of six
        if (c.chosen) app.choose(c.chosen);
        if (c.chosen && std::string(c.chosen) == "other.rol") projectOnDisk(app, c.chosen);
        const std::string report = readFileBytes(app.folder / "beam.txt");
        const Project before = app.session.project;
        app.shell.messages.clear();
        app.shell.fileDialogs.clear();
        app.shell.repaints = 0;
        app.shell.answers = {c.answer};

        app.run(c.command);

        for (const MessageRequest& m : app.shell.messages) {
            if (m.caption != "Confirm") continue;
            EXPECT_EQ(m.icon, MessageIcon::Question);
            EXPECT_EQ(m.buttons, MessageButtons::YesNoCancel);
        }
        if (c.command != kButtonOpenFile) {
            EXPECT_TRUE(sameBytes(app.session.project.passes, before.passes)) << "New keeps them";
        }
        EXPECT_EQ(readFileBytes(app.folder / "beam.txt"), report) << "a report is left as it was";
        const Project& p = app.session.project;
        std::string dialogs, files = app.folder.listing();
        for (const std::string& d : app.shell.fileDialogs) dialogs += d + ", ";
        Project saved{};
        if (!readProjectFile(app.folder / "beam.rol", saved)) {
            files += "beam.rol at " + std::to_string(static_cast<int>(saved.section.temperature));
        }
        transcript += std::string(c.name) + "\n  " + replaced(app.shell.takeShown(), "\n", "\n  ") +
                      "\n  " + p.section.name + " x" + std::to_string(p.section.passCount) +
                      " cursor " + std::to_string(app.session.passViewCursor.index) + " " +
                      app.fileState() + " [" + app.session.filePath + "]\n  " + dialogs +
                      std::to_string(app.shell.repaints) + " repaints, quit " +
                      std::to_string(app.shell.quitCode) + "\n  " + replaced(files, "\n", " ") +
                      "\n";
        transcript = replaced(transcript, app.folder.path(), "FOLDER");
    }
    expectGolden("leaving-a-project.txt", transcript);
}

}  // namespace
}  // namespace rolvanta::testing
