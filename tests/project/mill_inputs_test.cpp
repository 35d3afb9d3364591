#include <gtest/gtest.h>

#include <string>

#include "project/mill_inputs.h"
#include "project/project_life.h"
#include "storage/design_file.h"
#include "storage/file_io.h"
#include "storage/mill_file.h"
#include "support/example_section.h"
#include "support/golden_file.h"
#include "support/medium_beam_200.h"
#include "support/odd_mill.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

constexpr int kPasses = 9;  // the rows of the texts below: Pass 9 first, Pass 1 last

std::string& cell(MillTexts& texts, int row, MillColumn column) {
    return texts.rows[static_cast<std::size_t>(row)][static_cast<int>(column)];
}

TEST(ReadMill, EveryRefusalNamesTheFieldOrTheCellAndChangesNothing) {
    using C = MillColumn;
    using T = MillTexts;
    const struct {
        std::string T::*text;
        std::string typed;
    } fields[] = {
        {&T::name, std::string(41, 'm')},
        {&T::name, "a\tb"},
        {&T::entryTemperature, "1300.5"},
        {&T::entryTemperature, "1150,5"},
        {&T::carbon, "1.6"},
        {&T::emissivity, "0"},
        {&T::convection, "-1"},
        {&T::contact, "20001"},
        {&T::rollTemperature, "301"},
        {&T::heatFraction, "1.1"},
        {&T::minimumTaper, "0"},
        {&T::airTemperature, "-21"},
        {&T::density, "6999"},
        {&T::specificHeat, "1e9"},
    };
    // Rows in rolling order: row 0 is Pass 9, row 8 Pass 1; row 3 has no
    // distance either.
    const struct {
        int row;
        MillColumn column;
        std::string typed;
    } cells[] = {
        {0, C::Stand, " "},
        {0, C::Stand, std::string(21, 's')},
        {1, C::Diameter, ""},
        {1, C::Diameter, "199.9"},
        {2, C::Rpm, "abc"},
        {2, C::Rpm, "0"},
        {3, C::Interpass, "601"},
        {3, C::Interpass, ""},
        {4, C::Distance, "500.1"},
        {8, C::Interpass, "2"},
        {8, C::Distance, "3"},
        {5, C::MaxForce, "0"},
        {5, C::MaxTorque, "-5"},
        {5, C::MaxTorque, "1e30"},
        {5, C::Motor, "nan"},
        {6, C::NeckRatio, "0.81"},
        {6, C::NeckFriction, "0.0009"},
        {7, C::DriveEfficiency, "1.01"},
    };
    std::string told;
    auto refuse = [&told](const MillTexts& texts) {
        Mill mill = testing::oddMill();
        const std::optional<MillProblem> problem = readMill(texts, kPasses, mill);
        EXPECT_TRUE(mill == testing::oddMill()) << "changed";
        told += describeMillProblem(problem.value_or(MillProblem{})) + "\n";
        return problem.value_or(MillProblem{});
    };
    for (const auto& c : fields) {
        MillTexts texts = textsOfMill(exampleMill(kPasses));
        texts.*c.text = c.typed;
        refuse(texts);
    }
    for (const auto& c : cells) {
        MillTexts texts = textsOfMill(exampleMill(kPasses));
        cell(texts, c.row, c.column) = c.typed;
        const MillProblem problem = refuse(texts);
        EXPECT_TRUE(problem.row == c.row && problem.column == c.column) << c.typed;
    }
    MillTexts texts = textsOfMill(exampleMill(kPasses));
    texts.rows.pop_back();
    refuse(texts);
    testing::expectGolden("mill-refusals.txt", told);
}

TEST(ReadMill, TakesWhatTheDialogShowsAndTheDefaultsOfEmptyFields) {
    for (int passes = kFewestPasses; passes <= kMostPasses; ++passes) {
        const Mill example = exampleMill(passes);
        EXPECT_EQ(checkMill(example, passes), std::nullopt) << passes;
        Mill read;
        EXPECT_EQ(readMill(textsOfMill(example), passes, read), std::nullopt) << passes;
        EXPECT_TRUE(read == example) << passes;
    }
    const Mill odd = testing::oddMill(4);
    Mill read;
    ASSERT_EQ(readMill(textsOfMill(odd), 4, read), std::nullopt);
    EXPECT_TRUE(read == odd) << "bit for bit through the shortest decimals";

    // Empty: the defaults, no limits; the carbon of a Hensel-Spittel steel is not read.
    MillTexts texts = textsOfMill(exampleMill(kPasses));
    texts.entryTemperature = texts.emissivity = texts.specificHeat = "";
    texts.steel = SteelChoice::HenselSpittelS355J2;
    texts.carbon = "none";
    texts.rollMaterial = RollMaterial::ChilledIron;
    for (const MillColumn c : {MillColumn::MaxForce, MillColumn::NeckRatio}) cell(texts, 0, c) = "";
    ASSERT_EQ(readMill(texts, kPasses, read), std::nullopt);
    EXPECT_EQ(read.entryTemperature_C, Mill{}.entryTemperature_C);
    EXPECT_EQ(read.constants, MillConstants{});
    EXPECT_EQ(read.steel.set, HenselSpittelSet::S355J2);
    EXPECT_EQ(read.rollMaterial, RollMaterial::ChilledIron);
    EXPECT_FALSE(read.stands[0].maxForce_kN.has_value());
    EXPECT_EQ(read.stands[0].neckRatio, MillStand{}.neckRatio);
}

TEST(FitMill, CopiesTheLastStandOrTakesStandsAwayAndSaysSo) {
    const Mill nine = exampleMill(kPasses);
    Mill mill = nine;
    EXPECT_EQ(fitMillToPasses(mill, 12), "The mill has 12 stands now: 3 copied from the last");
    ASSERT_EQ(mill.stands.size(), 12u);
    for (int j = 8; j < 11; ++j) {
        EXPECT_EQ(mill.stands[j].stand, nine.stands[8].stand);
        EXPECT_EQ(mill.stands[j].interpass_s, nine.stands[7].interpass_s) << "to the next pass";
    }
    EXPECT_EQ(checkMill(mill, 12), std::nullopt);

    mill = nine;
    EXPECT_EQ(fitMillToPasses(mill, 6), "The mill has 6 stands now: the last 3 taken away");
    EXPECT_TRUE(std::equal(mill.stands.begin(), mill.stands.end() - 1, nine.stands.begin()));
    EXPECT_FALSE(mill.stands.back().interpass_s.has_value()) << "no pass follows Pass 1";
    EXPECT_EQ(checkMill(mill, 6), std::nullopt);

    mill = nine;
    EXPECT_EQ(fitMillToPasses(mill, kPasses), "");
    EXPECT_TRUE(mill == nine);
}

TEST(ProjectMill, FollowsTheSetupAndAnOkThatChangesNothingChangesNothing) {
    Project project{};
    beginNewProject(project);
    testing::takeMediumBeam200InThirteenPasses(project);
    EXPECT_TRUE(applyMill(project, exampleMill(12)).has_value()) << "one stand per pass";
    EXPECT_FALSE(project.mill.has_value());
    ASSERT_EQ(applyMill(project, exampleMill(13)), std::nullopt);
    const Project taken = project;
    ASSERT_EQ(applyMill(project, exampleMill(13)), std::nullopt);
    EXPECT_TRUE(sameProject(project, taken));

    const InputResult setup = applySetup(project, {9, 1000.0f});
    ASSERT_TRUE(setup.accepted());
    EXPECT_EQ(setup.note, "The mill has 9 stands now: the last 4 taken away");
    EXPECT_EQ(project.mill->stands.size(), 9u);
    EXPECT_EQ(applySetup(project, {9, 1100.0f}).note, "") << "the same passes";
}

// The mill file refused names the fault. A good one of other passes is
// fitted: mill-dialog.txt ("a mill file of seven stands") and ToolMill.
TEST(OpenMill, RefusesADamagedForeignOrOutOfRangeFile) {
    const std::string good = encodeMillFile(exampleMill(5));
    const auto replaced = [&good](const std::string& from, const std::string& to) {
        return testing::replaced(good, from, to);
    };
    const std::string refused[] = {
        good.substr(0, 120),
        R"({"format": "ROLVANTA Design", "version": 2})",
        replaced("\"version\": 1", "\"version\": 2"),
        replaced("\"rpm\": 45.0", "\"rpm\": \"45\""),
        replaced("\"diameter_mm\": 850.0,", ""),
        replaced("\"maxForce_kN\"", "\"maxForce_KN\""),
        replaced("\"model\": \"shida\"", "\"model\": \"hensel\""),
        replaced("\"pass\": 5", "\"pass\": 4"),
        replaced("\"rpm\": 45.0", "\"rpm\": 700"),
    };
    testing::TemporaryFolder folder;
    std::string reasons;
    for (const std::string& text : refused) {
        const std::string path = folder / "refused.rolmill";
        ASSERT_EQ(replaceFile(path, text), std::nullopt);
        const MillOpened opened = openMillFile(path, 7);
        ASSERT_TRUE(opened.error) << text;
        EXPECT_EQ(opened.error->what, StorageFailure::NotValid) << text;
        EXPECT_FALSE(opened.mill.has_value()) << text;
        reasons += opened.error->reason + "\n";
    }
    testing::expectGolden("mill-file-refusals.txt", reasons);
}

// A design's mill is checked as a mill file's is.
TEST(OpenMill, ADesignWithAMillOutOfRangeIsRefused) {
    Project saved = testing::computedProject(5);
    saved.mill = exampleMill(5);
    saved.mill->stands[1].rpm = 0.5;
    testing::TemporaryFolder folder;
    ASSERT_EQ(writeDesignFile(folder / "beam.rolx", saved), std::nullopt);
    ProjectDocument document;
    const StorageResult error = openProjectFile(document, folder / "beam.rolx", "beam.rolx");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->reason,
              "mill: Pass 4, Speed [rpm]: \"0.5\" is not accepted. Accepted: a number from 1 to "
              "600.");
    EXPECT_FALSE(document.project.mill.has_value());
}

}  // namespace
}  // namespace rolvanta
