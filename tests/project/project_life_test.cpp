#include <gtest/gtest.h>

#include "project/design_inputs.h"
#include "project/project_life.h"
#include "storage/project_file.h"
#include "support/example_section.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

TEST(ComputePrecondition, NamesTheFirstMissingStep) {
    const struct {
        const char* name;
        bool started, custom, standard, setup, coefficients;
        int passes;
        MissingStep expected;
    } cases[] = {
        {"no project", false, true, true, true, true, 5, MissingStep::Project},
        {"nothing taken", true, false, false, true, true, 5, MissingStep::Profile},
        {"a typed section with passes needs nothing else", true, true, false, false, false, 5,
         MissingStep::Nothing},
        {"a typed section without Setup", true, true, false, false, false, 0, MissingStep::Setup},
        {"a catalogue beam without Setup", true, false, true, false, true, 5, MissingStep::Setup},
        {"a catalogue beam without coefficients", true, false, true, true, false, 5,
         MissingStep::Coefficients},
        {"a catalogue beam with both", true, false, true, true, true, 5, MissingStep::Nothing},
    };
    for (const auto& c : cases) {
        Project project = testing::exampleProject(c.passes);
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
    opened.filePath.clear();
    EXPECT_EQ(fileTitle(opened), "ROLVANTA - no name (  )");
}

// The messages of a file that cannot be read or written are file_io's and
// the app's (AFailedSaveKeepsTheProjectForAnotherTry).
TEST(ProjectLife, AFailedOpenComesBackAsAValueAndChangesNothing) {
    testing::TemporaryFolder folder;
    ProjectDocument document;
    document.project = testing::exampleProject();
    const ProjectDocument before = document;
    const StorageResult missing = openProjectFile(document, folder / "none.rol", "none.rol");
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->what, StorageFailure::Missing);
    EXPECT_TRUE(testing::sameBytes(document.project, before.project));
    EXPECT_EQ(document.filePath, before.filePath);
}

TEST(PathWithExtension, AppendsTheKindsExtensionUnlessThePathHoldsIt) {
    const struct {
        const char* typed;
        SaveKind kind;
        const char* written;
    } cases[] = {
        {"/w/beam", SaveKind::ProjectFile, "/w/beam.rol"},
        {"/w/beam.rol", SaveKind::ProjectFile, "/w/beam.rol"},
        {"/w/beam.rol.bak", SaveKind::ProjectFile, "/w/beam.rol.bak"},
        {"/w/beam.txt", SaveKind::ProjectFile, "/w/beam.txt.rol"},
        {"/w/beam", SaveKind::Report, "/w/beam.txt"},
        {"/w/beam.txt.old", SaveKind::Report, "/w/beam.txt.old"},
        {"/w/beam.rol", SaveKind::Report, "/w/beam.rol.txt"},
        {"/w/beam", SaveKind::Design, "/w/beam.rolx"},
    };
    for (const auto& c : cases) EXPECT_EQ(pathWithExtension(c.typed, c.kind), c.written) << c.typed;
    EXPECT_EQ(projectFormatOf("/w/beam.ROLX").kind, SaveKind::Design);
    EXPECT_EQ(projectFormatOf("/w/beam.rolx.rol").kind, SaveKind::ProjectFile);
}

// A design saved as ".rolx" with coefficient lists, opened by a program
// holding the default coefficients, recomputes to the schedule it was saved
// with. With limits, the command line's wb600-design and design-reopened
// goldens pin the same.
TEST(DesignFile, ReopensWithItsCoefficientListsAndRecomputesBitForBit) {
    testing::TemporaryFolder folder;
    ProjectDocument saved;
    startUpProject(saved.project);
    beginNewProject(saved.project);
    saved.project.section = testing::exampleSection(9);
    saved.project.flags.customEntered = true;
    const CoefficientFields lists{"1 1.07 1.111 1.2", "1.01 1.3 1.25", "1.09 1.12 1.3 1.3", {}};
    ASSERT_TRUE(applyCoefficients(saved.project, lists).accepted());
    ASSERT_EQ(computeProject(saved.project), MissingStep::Nothing);
    const std::string path = folder / "beam.rolx";
    ASSERT_FALSE(saveProjectTo(saved, {path, "beam.rolx", SaveKind::Design}));

    ProjectDocument opened;
    startUpProject(opened.project);
    ASSERT_FALSE(openProjectFile(opened, path, "beam.rolx"));
    EXPECT_EQ(currentSaveTarget(opened)->kind, SaveKind::Design) << "Save writes .rolx";
    ASSERT_EQ(computeProject(opened.project), MissingStep::Nothing);
    EXPECT_TRUE(testing::sameBytes(opened.project.coefficients, saved.project.coefficients));
    EXPECT_TRUE(testing::sameBytes(opened.project.section, saved.project.section));
    EXPECT_TRUE(testing::sameBytes(opened.project.passes, saved.project.passes));
}

}  // namespace
}  // namespace rolvanta
