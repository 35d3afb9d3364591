#include <gtest/gtest.h>

#include <sys/stat.h>

#include "project/project_life.h"
#include "storage/project_file.h"
#include "support/child_process.h"
#include "support/example_section.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

TEST(ComputePrecondition, NamesTheFirstMissingStep) {
    const struct {
        const char* name;
        bool started, custom, standard, setup, coefficients;
        MissingStep expected;
    } cases[] = {
        {"no project", false, true, true, true, true, MissingStep::Project},
        {"nothing taken", true, false, false, true, true, MissingStep::Profile},
        {"a typed section needs nothing else", true, true, false, false, false,
         MissingStep::Nothing},
        {"a catalogue beam without Setup", true, false, true, false, true, MissingStep::Setup},
        {"a catalogue beam without coefficients", true, false, true, true, false,
         MissingStep::Coefficients},
        {"a catalogue beam with both", true, false, true, true, true, MissingStep::Nothing},
    };
    for (const auto& c : cases) {
        Project project = testing::exampleProject();
        project.flags = {};
        project.flags.projectStarted = c.started;
        project.flags.customEntered = c.custom;
        project.flags.standardChosen = c.standard;
        project.flags.setupDone = c.setup;
        project.flags.coefficientsGiven = c.coefficients;
        const Project before = project;
        EXPECT_EQ(computeProject(project), c.expected) << c.name;
        EXPECT_EQ(project.flags.computed, c.expected == MissingStep::Nothing) << c.name;
        if (c.expected != MissingStep::Nothing) {
            EXPECT_TRUE(testing::sameBytes(project, before)) << c.name;
        }
    }
}

TEST(ProjectLife, OpenSetsTheFlagsOfAnOpenedProjectAndSaveNamesTheFile) {
    testing::TemporaryFolder folder;
    ProjectDocument saved;
    saved.project = testing::exampleProject();
    saved.project.flags.standardChosen = true;
    const std::string path = folder / "beam.rol";
    ASSERT_FALSE(saveProjectTo(saved, {path, "beam.rol", SaveKind::ProjectFile}));
    EXPECT_EQ(saved.filePath, path);
    EXPECT_EQ(saved.project.flags.lastSaveKind, SaveKind::ProjectFile);

    ProjectDocument opened;
    startUpProject(opened.project);
    ASSERT_FALSE(openProjectFile(opened, path, "beam.rol"));
    const ProjectFlags& flags = opened.project.flags;
    EXPECT_TRUE(flags.standardChosen) << "kept from the file";
    EXPECT_TRUE(flags.projectStarted && flags.customEntered && flags.hasFileName);
    EXPECT_EQ(flags.lastSaveKind, SaveKind::ProjectFile);
    EXPECT_EQ(fileTitle(opened), "ROLVANTA - beam.rol ( " + path + " )");
    EXPECT_EQ(currentSaveTarget(opened)->kind, SaveKind::ProjectFile);
}

TEST(ProjectLife, FailuresComeBackAsValuesAndChangeNothing) {
    testing::TemporaryFolder folder;
    ASSERT_EQ(mkdir((folder / "locked").c_str(), 0555), 0);
    ProjectDocument document;
    document.project = testing::exampleProject();
    const ProjectDocument before = document;

    const StorageResult missing = openProjectFile(document, folder / "none.rol", "none.rol");
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->what, StorageFailure::Missing);
    EXPECT_EQ(missing->path, folder / "none.rol");
    EXPECT_EQ(missing->reason, "No such file or directory");

    if (geteuid() != 0) {  // root writes anywhere
        const std::string locked = folder / "locked/beam.rol";
        const StorageResult denied =
            saveProjectTo(document, {locked, "beam.rol", SaveKind::Report});
        ASSERT_TRUE(denied);
        EXPECT_EQ(describeStorageError(*denied), "cannot write " + locked + ": Permission denied");
    }
    EXPECT_TRUE(testing::sameBytes(document.project, before.project));
    EXPECT_EQ(document.filePath, before.filePath);
}

TEST(PathWithExtension, AppendsTheKindsExtensionUnlessThePathHoldsIt) {
    EXPECT_EQ(pathWithExtension("/w/beam", SaveKind::ProjectFile), "/w/beam.rol");
    EXPECT_EQ(pathWithExtension("/w/beam.rol.bak", SaveKind::ProjectFile), "/w/beam.rol.bak");
    EXPECT_EQ(pathWithExtension("/w/beam", SaveKind::Report), "/w/beam.txt");
    EXPECT_FALSE(saveKindOfFileType(3));
}

}  // namespace
}  // namespace rolvanta
