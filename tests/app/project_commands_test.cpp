#include <gtest/gtest.h>

#include <filesystem>

#include "app/project_commands.h"
#include "app_fixture.h"
#include "storage/project_file.h"

namespace rolvanta::testing {
namespace {

class ProjectCommands : public AppTest {
  protected:
    std::string path(const char* name) const { return folder / name; }

    // A project file on disk: the example section, chosen from the catalogue.
    std::string projectOnDisk(const char* name, int passCount = 5) {
        Project stored{};
        stored.section = exampleSection(passCount);
        stored.flags.standardChosen = 1;
        stored.flags.lastSaveKind = kSavedAsReport;
        writeFileBytes(path(name), encodeProjectFile(stored));
        return path(name);
    }
};

TEST_F(ProjectCommands, FileStatesFollowNewOpenAndSaveAs) {
    run(kMenuNewProject);
    EXPECT_EQ(fileState(), "100 ROLVANTA - New Project Started");
    EXPECT_TRUE(shell.messages.empty()) << "the first New Project asks nothing";
    EXPECT_TRUE(shell.scrollBarsEnabled);

    const std::string opened = projectOnDisk("opened.rol");
    choose(opened);
    run(kMenuOpenProject);
    EXPECT_EQ(fileState(), "111 ROLVANTA - opened.rol ( " + opened + " )");

    choose(path("schedule"), kFileTypeReport);
    run(kMenuSaveAs);
    EXPECT_EQ(fileState(), "112 ROLVANTA - schedule ( " + path("schedule.txt") + " )");

    choose(path("again"));
    run(kMenuSaveAs);
    run(kButtonSaveFile);
    EXPECT_EQ(fileState(), "111 ROLVANTA - again ( " + path("again.rol") + " )");
    EXPECT_EQ(shell.fileDialogs.size(), 3u) << "Save asks for no file";
}

TEST_F(ProjectCommands, SaveAsAppendsTheExtensionUnlessThePathHoldsIt) {
    const struct {
        const char* name;
        const char* typed;
        int filterIndex;
        const char* written;
    } cases[] = {
        {"project file, bare name", "beam", 1, "beam.rol"},
        {"project file, extension given", "beam.rol", 1, "beam.rol"},
        {"project file, extension inside the name", "beam.rol.bak", 1, "beam.rol.bak"},
        {"project file, another extension", "beam.txt", 1, "beam.txt.rol"},
        {"report, bare name", "beam", 2, "beam.txt"},
        {"report, extension inside the name", "beam.txt.old", 2, "beam.txt.old"},
        {"report, project extension", "beam.rol", 2, "beam.rol.txt"},
        {"no file type", "beam", 0, "beam"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pathWithExtension(c.typed, c.filterIndex), c.written) << c.name;
    }
}

TEST_F(ProjectCommands, ReportStaysTheKindThatSaveRewrites) {
    startWithCustomSection();
    run(kMenuCompute);
    choose(path("schedule"), kFileTypeReport);
    run(kMenuSaveAs);
    EXPECT_EQ(session.currentFileTitle, "schedule") << "the title keeps the name as typed";
    writeFileBytes(path("schedule.txt"), "old");

    run(kMenuSaveProject);

    const std::string report = readFileBytes(path("schedule.txt"));
    EXPECT_NE(report.find("Results Of Project - schedule\r\n"), std::string::npos);
    EXPECT_EQ(shell.messageTexts().back(), "Saved File " + path("schedule.txt"));
    EXPECT_EQ(shell.messages.back().caption, "Note");
}

TEST_F(ProjectCommands, SaveBeforeNewProjectIsSaveAsAndStartsTheProject) {
    choose(path("first"));
    run(kMenuSaveProject);
    EXPECT_EQ(fileState(), "111 ROLVANTA - first ( " + path("first.rol") + " )");
    Project reread{};
    ASSERT_TRUE(readProjectFile(path("first.rol"), reread, shell));
    EXPECT_EQ(reread.flags.projectStarted, 0) << "the file holds the flags from before the save";
}

TEST_F(ProjectCommands, CancelledDialogsChangeNothing) {
    startWithCustomSection();
    const Session before = session;
    const std::string state = fileState();
    for (int command : {kMenuSaveProject, kMenuSaveAs, kMenuOpenProject, kMenuSaveProject}) {
        run(command);
    }
    EXPECT_EQ(shell.fileDialogs, (std::vector<std::string>{"save", "save", "open", "save"}))
        << "Save asks again: still no file name";
    EXPECT_TRUE(sameBytes(session.project, before.project));
    EXPECT_EQ(session.currentFilePath, before.currentFilePath);
    EXPECT_EQ(fileState(), state);
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(ProjectCommands, AFileThatCannotBeOpenedChangesNothing) {
    startWithCustomSection();
    choose(path("mine"));
    run(kMenuSaveAs);
    const Session before = session;
    const std::string state = fileState();
    writeFileBytes(path("plain.dat"), encodeProjectFile(before.project));
    writeFileBytes(path("short.rol"), std::string(100, 'x'));
    const struct {
        const char* name;
        std::string file;
        int filterIndex;
        const char* text;
        const char* caption;
    } cases[] = {
        {"a report", path("notes.txt"), kFileTypeReport, "Cannot Open *.txt Files !!!", "Sorry"},
        {"a project file without the extension", path("plain.dat"), kFileTypeProject,
         "plain.dat Is Not A Valid ROLVANTA (.rol) File !", "Error"},
        {"a missing file", path("missing.rol"), kFileTypeProject, "Cannot Open File", "Error"},
        {"a file cut short", path("short.rol"), kFileTypeProject,
         "short.rol Is Not A Valid ROLVANTA (.rol) File !", "Error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        shell.messages.clear();
        choose(c.file, c.filterIndex);
        EXPECT_TRUE(openProject(session, shell));
        ASSERT_EQ(shell.messages.size(), 1u);
        EXPECT_EQ(shell.messages[0].text, c.text);
        EXPECT_EQ(shell.messages[0].caption, c.caption);
        EXPECT_TRUE(sameBytes(session.project, before.project));
        EXPECT_EQ(session.currentFilePath, before.currentFilePath);
        EXPECT_EQ(session.currentFileTitle, before.currentFileTitle);
        EXPECT_EQ(fileState(), state);
    }
    shell.messages.clear();
    run(kMenuSaveProject);
    EXPECT_EQ(shell.messageTexts(), std::vector<std::string>{"Saved File " + path("mine.rol")})
        << "the next Save still writes the project's own file";
}

TEST_F(ProjectCommands, OpenReplacesTheProjectWithoutAskingAndOverridesFourFlags) {
    startWithCustomSection(9);
    run(kMenuCompute);
    choose(projectOnDisk("beam.rol", 5));
    const int repaints = shell.repaints;

    run(kButtonOpenFile);

    EXPECT_TRUE(shell.messages.empty()) << "the current project is not offered for saving";
    EXPECT_EQ(shell.repaints, repaints + 2);
    EXPECT_EQ(session.project.section.passCount, 5);
    const ProjectFlags& flags = session.project.flags;
    EXPECT_EQ(flags.standardChosen, 1) << "kept from the file";
    EXPECT_EQ(flags.computed, 0) << "kept from the file";
    EXPECT_EQ(flags.customEntered, 1);
    EXPECT_EQ(fileState(), "111 ROLVANTA - beam.rol ( " + path("beam.rol") + " )");
    EXPECT_FALSE(hasUnsavedChanges(session));

    run(kMenuCompute);
    EXPECT_EQ(flags.computed, 1) << "an opened project can be computed at once";
}

TEST_F(ProjectCommands, AFailedSaveIsNotReportedAsSuccess) {
    startWithCustomSection();
    const std::string state = fileState();
    choose(path("gone/beam"));
    EXPECT_FALSE(saveProjectAs(session, shell));
    EXPECT_EQ(shell.messageTexts(), std::vector<std::string>{"Cannot Open File"});
    EXPECT_EQ(fileState(), state);
    EXPECT_EQ(session.currentFilePath, "");

    // A project whose file's folder has gone: Save says so, not "Saved File",
    // and New Project's Yes keeps the project.
    std::filesystem::create_directory(path("folder"));
    choose(path("folder/beam"));
    ASSERT_TRUE(saveProjectAs(session, shell));
    std::filesystem::remove_all(path("folder"));
    shell.messages.clear();
    run(kMenuCompute);
    run(kMenuSaveProject);
    EXPECT_EQ(shell.messageTexts(), std::vector<std::string>{"Cannot Open File"});
    EXPECT_TRUE(hasUnsavedChanges(session)) << "closing will still offer to save";

    shell.answers = {MessageAnswer::Yes};
    run(kMenuNewProject);
    EXPECT_EQ(shell.messageTexts().back(), "Cannot Open File");
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
        bool saved;  // "Saved File" shown
    } cases[] = {
        {"Cancel keeps the project", MessageAnswer::Cancel, true, false, false, false},
        {"No resets without saving", MessageAnswer::No, true, false, true, false},
        {"Yes with a file saves it, then resets", MessageAnswer::Yes, true, false, true, true},
        {"Yes without a file, dialog cancelled, keeps", MessageAnswer::Yes, false, false, false,
         false},
        {"Yes without a file, saved through the dialog, resets", MessageAnswer::Yes, false, true,
         true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        App app;
        app.startWithCustomSection(6);
        const std::string file = app.folder / "beam";
        if (c.hasFile) {
            app.choose(file);
            ASSERT_TRUE(saveProjectAs(app.session, app.shell));
        }
        if (c.saveDialogConfirmed) app.choose(file);
        app.shell.messages.clear();
        app.shell.answers = {c.answer};

        app.run(kButtonNewFile);

        ASSERT_FALSE(app.shell.messages.empty());
        EXPECT_EQ(app.shell.messages[0].text, "Do You Want To Save Current Project ?");
        EXPECT_EQ(app.shell.messages[0].icon, MessageIcon::Question);
        EXPECT_EQ(app.shell.messages.size(), c.saved ? 2u : 1u);
        if (c.saved) {
            EXPECT_EQ(app.shell.messages[1].text, "Saved File " + file + ".rol");
        }
        EXPECT_EQ(std::string(app.session.project.section.name), c.resets ? "no name" : "MB 100");
        if (c.resets) {
            EXPECT_EQ(app.fileState(), "100 ROLVANTA - New Project Started");
        }
        EXPECT_EQ(app.session.project.flags.customEntered, c.resets ? 0 : 1);
    }
}

TEST_F(ProjectCommands, NewProjectKeepsFileNameCoefficientsAndPasses) {
    startWithCustomSection();
    run(kMenuCompute);
    choose(path("kept"));
    run(kMenuSaveAs);
    const Project before = session.project;
    shell.answers = {MessageAnswer::No};

    run(kMenuNewProject);

    EXPECT_EQ(session.currentFilePath, path("kept.rol"));
    EXPECT_TRUE(sameBytes(session.project.coefficients, before.coefficients));
    EXPECT_TRUE(sameBytes(session.project.passes, before.passes));
}

TEST_F(ProjectCommands, ProjectTitleNamesNoNameForAnEmptyPath) {
    session.currentFileTitle = "beam.rol";
    setProjectTitle(session, shell, "");
    EXPECT_EQ(shell.title, "ROLVANTA - no name (  )");
    setProjectTitle(session, shell, "/work/beam.rol");
    EXPECT_EQ(shell.title, "ROLVANTA - beam.rol ( /work/beam.rol )");
}

}  // namespace
}  // namespace rolvanta::testing
