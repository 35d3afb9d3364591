#include <gtest/gtest.h>

#include <filesystem>

#include "app/project_commands.h"
#include "app_fixture.h"
#include "resources/command_ids.h"
#include "storage/project_file.h"
#include "support/temporary_folder.h"

namespace rolvanta::testing {
namespace {

class ProjectCommands : public AppTest {
  protected:
    std::string path(const char* name) const { return folder / name; }

    void expectFileState(int started, int hasName, int kind, const std::string& title) {
        EXPECT_EQ(session.project.flags.projectStarted, started);
        EXPECT_EQ(session.project.flags.hasFileName, hasName);
        EXPECT_EQ(session.project.flags.lastSaveKind, kind);
        EXPECT_EQ(shell.title, title);
    }

    // A project file on disk holding the example section with the flags given.
    std::string projectOnDisk(const char* name, int passCount = 5) {
        Project stored{};
        stored.section = exampleSection(passCount);
        stored.flags.standardChosen = 1;
        stored.flags.lastSaveKind = kSavedAsReport;
        writeFileBytes(path(name), encodeProjectFile(stored));
        return path(name);
    }

    TemporaryFolder folder;
};

TEST_F(ProjectCommands, FileStatesFollowNewOpenAndSaveAs) {
    expectFileState(0, 0, 0, "ROLVANTA - Start New Project");

    run(kMenuNewProject);
    expectFileState(1, 0, 0, "ROLVANTA - New Project Started");
    EXPECT_TRUE(shell.messages.empty()) << "the first New Project asks nothing";
    EXPECT_TRUE(shell.scrollBarsEnabled);

    const std::string opened = projectOnDisk("opened.rol");
    shell.fileChoices = {chosenFile(opened, kFileTypeProject)};
    run(kMenuOpenProject);
    expectFileState(1, 1, 1, "ROLVANTA - opened.rol ( " + opened + " )");

    shell.fileChoices = {chosenFile(path("schedule"), kFileTypeReport)};
    run(kMenuSaveAs);
    expectFileState(1, 1, 2, "ROLVANTA - schedule ( " + path("schedule.txt") + " )");

    shell.fileChoices = {chosenFile(path("again"), kFileTypeProject)};
    run(kMenuSaveAs);
    expectFileState(1, 1, 1, "ROLVANTA - again ( " + path("again.rol") + " )");

    run(kButtonSaveFile);
    expectFileState(1, 1, 1, "ROLVANTA - again ( " + path("again.rol") + " )");
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
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(pathWithExtension(c.typed, c.filterIndex), c.written);
    }
    EXPECT_EQ(pathWithExtension("beam", 0), "beam");

    startWithCustomSection();
    shell.fileChoices = {chosenFile(path("beam.rol.bak"), kFileTypeProject)};
    EXPECT_TRUE(saveProjectAs(session, shell));
    EXPECT_EQ(session.currentFilePath, path("beam.rol.bak"));
    EXPECT_EQ(readFileBytes(path("beam.rol.bak")).size(), 172u + 56u * 7u);
}

TEST_F(ProjectCommands, ReportStaysTheKindThatSaveRewrites) {
    startWithCustomSection();
    run(kMenuCompute);
    shell.fileChoices = {chosenFile(path("schedule"), kFileTypeReport)};
    run(kMenuSaveAs);
    EXPECT_EQ(session.currentFileTitle, "schedule") << "the title keeps the name as typed";
    writeFileBytes(path("schedule.txt"), "old");

    run(kMenuSaveProject);

    const std::string report = readFileBytes(path("schedule.txt"));
    EXPECT_NE(report.find("schedule"), std::string::npos) << "the report names its title";
    EXPECT_NE(report.find("\r\n"), std::string::npos);
    EXPECT_EQ(shell.messageTexts().back(), "Saved File " + path("schedule.txt"));
    EXPECT_EQ(shell.messages.back().caption, "Note");
    EXPECT_TRUE(shell.fileDialogs.size() == 1) << "Save asks for no file";
}

TEST_F(ProjectCommands, SaveBeforeNewProjectIsSaveAsAndStartsTheProject) {
    shell.fileChoices = {chosenFile(path("first"), kFileTypeProject)};
    run(kMenuSaveProject);
    expectFileState(1, 1, 1, "ROLVANTA - first ( " + path("first.rol") + " )");
    Project reread{};
    ASSERT_TRUE(readProjectFile(path("first.rol"), reread, shell));
    EXPECT_EQ(reread.flags.projectStarted, 0) << "the file holds the flags from before the save";
}

TEST_F(ProjectCommands, CancelledDialogsChangeNothing) {
    startWithCustomSection();
    const Session before = session;
    const std::string title = shell.title;

    run(kMenuSaveProject);  // no file name: the save dialog, cancelled
    run(kMenuSaveAs);
    run(kMenuOpenProject);
    EXPECT_EQ(shell.fileDialogs, (std::vector<std::string>{"save", "save", "open"}));

    run(kMenuSaveProject);
    EXPECT_EQ(shell.fileDialogs.size(), 4u) << "Save asks again: still no file name";
    EXPECT_TRUE(sameBytes(session.project, before.project));
    EXPECT_EQ(session.currentFilePath, before.currentFilePath);
    EXPECT_EQ(shell.title, title);
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(ProjectCommands, OpenRefusesReportsAndPathsWithoutTheExtension) {
    startWithCustomSection();
    shell.fileChoices = {chosenFile(path("first"), kFileTypeProject)};
    run(kMenuSaveAs);
    const Session before = session;
    const std::string title = shell.title;
    writeFileBytes(path("plain.dat"), encodeProjectFile(before.project));

    shell.fileChoices = {chosenFile(path("notes.txt"), kFileTypeReport),
                         chosenFile(path("plain.dat"), kFileTypeProject)};
    EXPECT_TRUE(openProject(session, shell));
    EXPECT_TRUE(openProject(session, shell));

    ASSERT_EQ(shell.messages.size(), 2u);
    EXPECT_EQ(shell.messages[0].text, "Cannot Open *.txt Files !!!");
    EXPECT_EQ(shell.messages[0].caption, "Sorry");
    EXPECT_EQ(shell.messages[1].text, "plain.dat Is Not A Valid ROLVANTA (.rol) File !");
    EXPECT_EQ(shell.messages[1].caption, "Error");
    EXPECT_EQ(shell.messages[1].icon, MessageIcon::Warning);
    EXPECT_TRUE(sameBytes(session.project, before.project));
    EXPECT_EQ(shell.title, title);

    shell.messages.clear();
    run(kMenuSaveProject);
    EXPECT_EQ(shell.messageTexts(), std::vector<std::string>{"Saved File " + path("first.rol")})
        << "the next Save still writes the project's own file";
}

TEST_F(ProjectCommands, OpenReplacesTheProjectWithoutAskingAndOverridesFourFlags) {
    startWithCustomSection(9);
    run(kMenuCompute);
    const std::string file = projectOnDisk("beam.rol", 5);
    shell.fileChoices = {chosenFile(file, kFileTypeProject)};
    const int repaints = shell.repaints;

    run(kButtonOpenFile);

    EXPECT_TRUE(shell.messages.empty()) << "the current project is not offered for saving";
    EXPECT_EQ(shell.repaints, repaints + 2);
    EXPECT_EQ(session.project.section.passCount, 5);
    EXPECT_STREQ(session.project.section.name, "MB 100");
    const ProjectFlags& flags = session.project.flags;
    EXPECT_EQ(flags.standardChosen, 1) << "kept from the file";
    EXPECT_EQ(flags.computed, 0) << "kept from the file";
    EXPECT_EQ(flags.lastSaveKind, 1);
    EXPECT_EQ(flags.projectStarted, 1);
    EXPECT_EQ(flags.customEntered, 1);
    EXPECT_EQ(flags.hasFileName, 1);
    EXPECT_EQ(session.currentFileTitle, "beam.rol");
    EXPECT_FALSE(hasUnsavedChanges(session));

    run(kMenuCompute);
    EXPECT_EQ(flags.computed, 1) << "an opened project can be computed at once";
}

TEST_F(ProjectCommands, AFileThatCannotBeReadChangesNothing) {
    startWithCustomSection();
    shell.fileChoices = {chosenFile(path("mine"), kFileTypeProject)};
    run(kMenuSaveAs);
    const Session before = session;
    const std::string title = shell.title;
    writeFileBytes(path("short.rol"), std::string(100, 'x'));

    const struct {
        const char* name;
        std::string file;
    } cases[] = {
        {"missing file", path("missing.rol")},
        {"cut short", path("short.rol")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        shell.messages.clear();
        shell.fileChoices = {chosenFile(c.file, kFileTypeProject)};
        EXPECT_TRUE(openProject(session, shell));
        ASSERT_EQ(shell.messages.size(), 1u);
        EXPECT_EQ(shell.messages[0].caption, "Error");
        EXPECT_TRUE(sameBytes(session.project, before.project));
        EXPECT_EQ(session.currentFilePath, before.currentFilePath);
        EXPECT_EQ(session.currentFileTitle, before.currentFileTitle);
        EXPECT_EQ(shell.title, title);
    }
}

TEST_F(ProjectCommands, AFailedSaveIsNotReportedAsSuccess) {
    startWithCustomSection();
    shell.fileChoices = {chosenFile(path("gone/beam"), kFileTypeProject)};
    const std::string title = shell.title;
    const ProjectFlags flags = session.project.flags;

    EXPECT_FALSE(saveProjectAs(session, shell));

    EXPECT_EQ(shell.messageTexts(), std::vector<std::string>{"Cannot Open File"});
    EXPECT_EQ(session.project.flags.hasFileName, flags.hasFileName);
    EXPECT_EQ(session.project.flags.lastSaveKind, flags.lastSaveKind);
    EXPECT_EQ(shell.title, title);
    EXPECT_EQ(session.currentFilePath, "");

    // A project with a file whose folder has gone: Save says so, not "Saved File".
    shell.messages.clear();
    std::filesystem::create_directory(path("folder"));
    shell.fileChoices = {chosenFile(path("folder/beam"), kFileTypeProject)};
    ASSERT_TRUE(saveProjectAs(session, shell));
    std::filesystem::remove_all(path("folder"));
    run(kMenuCompute);
    run(kMenuSaveProject);
    EXPECT_EQ(shell.messageTexts(), std::vector<std::string>{"Cannot Open File"});
    EXPECT_TRUE(hasUnsavedChanges(session)) << "closing will still offer to save";
}

TEST_F(ProjectCommands, NewProjectAsksOnceStartedAndFollowsTheAnswer) {
    TemporaryFolder other;
    const struct {
        const char* name;
        MessageAnswer answer;
        bool hasFile;
        bool saveDialogConfirmed;
        bool resets;
        const char* savedMessage;  // nullptr: none
    } cases[] = {
        {"Cancel keeps the project", MessageAnswer::Cancel, true, false, false, nullptr},
        {"No resets without saving", MessageAnswer::No, true, false, true, nullptr},
        {"Yes with a file saves it, then resets", MessageAnswer::Yes, true, false, true,
         "Saved File "},
        {"Yes without a file, dialog cancelled, keeps", MessageAnswer::Yes, false, false, false,
         nullptr},
        {"Yes without a file, saved through the dialog, resets", MessageAnswer::Yes, false, true,
         true, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StartedProject started;
        Session& fresh = started.session;
        FakeShell& window = started.shell;
        fresh.project.section = exampleSection(6);
        fresh.project.flags.customEntered = 1;
        const std::string file = other / c.name;
        if (c.hasFile) {
            window.fileChoices = {chosenFile(file, kFileTypeProject)};
            ASSERT_TRUE(saveProjectAs(fresh, window));
        }
        if (c.saveDialogConfirmed) window.fileChoices = {chosenFile(file, kFileTypeProject)};
        window.messages.clear();
        window.answers = {c.answer};

        runCommand(fresh, window, kButtonNewFile);

        ASSERT_FALSE(window.messages.empty());
        EXPECT_EQ(window.messages[0].text, "Do You Want To Save Current Project ?");
        EXPECT_EQ(window.messages[0].icon, MessageIcon::Question);
        EXPECT_EQ(std::string(fresh.project.section.name), c.resets ? "no name" : "MB 100");
        EXPECT_EQ(fresh.project.flags.projectStarted, 1);
        if (c.resets) {
            EXPECT_EQ(window.title, "ROLVANTA - New Project Started");
            EXPECT_EQ(fresh.project.flags.hasFileName, 0);
            EXPECT_EQ(fresh.project.flags.customEntered, 0);
        }
        if (c.savedMessage != nullptr) {
            ASSERT_EQ(window.messages.size(), 2u);
            EXPECT_EQ(window.messages[1].text, c.savedMessage + file + ".rol");
        } else {
            EXPECT_EQ(window.messages.size(), 1u);
        }
    }
}

TEST_F(ProjectCommands, NewProjectKeepsTheProjectWhenItsSaveFails) {
    startWithCustomSection();
    std::filesystem::create_directory(path("folder"));
    shell.fileChoices = {chosenFile(path("folder/beam"), kFileTypeProject)};
    ASSERT_TRUE(saveProjectAs(session, shell));
    std::filesystem::remove_all(path("folder"));
    shell.messages.clear();
    shell.answers = {MessageAnswer::Yes};

    run(kMenuNewProject);

    EXPECT_EQ(
        shell.messageTexts(),
        (std::vector<std::string>{"Do You Want To Save Current Project ?", "Cannot Open File"}));
    EXPECT_STREQ(session.project.section.name, "MB 100");
    EXPECT_EQ(session.project.flags.hasFileName, 1);
}

TEST_F(ProjectCommands, NewProjectKeepsFileNameCoefficientsAndPasses) {
    startWithCustomSection();
    run(kMenuCompute);
    shell.fileChoices = {chosenFile(path("kept"), kFileTypeProject)};
    run(kMenuSaveAs);
    const CoefficientSet coefficients = session.project.coefficients;
    const PassTable passes = session.project.passes;
    shell.answers = {MessageAnswer::No};

    run(kMenuNewProject);

    EXPECT_EQ(session.currentFilePath, path("kept.rol"));
    EXPECT_EQ(std::memcmp(&coefficients, &session.project.coefficients, sizeof coefficients), 0);
    EXPECT_EQ(std::memcmp(&passes, &session.project.passes, sizeof passes), 0);
    shell.messages.clear();
    run(kMenuStandardProfiles);
    EXPECT_TRUE(shell.messages.empty()) << "the project stays started";
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
