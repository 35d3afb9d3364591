#include <gtest/gtest.h>

#include <string>

#include "project/mill_inputs.h"
#include "project/project_life.h"
#include "storage/design_file.h"
#include "storage/file_io.h"
#include "storage/mill_file.h"
#include "support/example_section.h"
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
    using F = MillField;
    using T = MillTexts;
    const struct {
        MillField field;
        std::string T::*text;
        std::string typed;
        const char* accepted;  // a piece of what is accepted
    } fields[] = {
        {F::Name, &T::name, std::string(41, 'm'), "up to 40"},
        {F::Name, &T::name, "a\tb", "control"},
        {F::EntryTemperature, &T::entryTemperature, "1300.5", "700 to 1300, or nothing for 1150"},
        {F::EntryTemperature, &T::entryTemperature, "1150,5", "from 700"},
        {F::Carbon, &T::carbon, "1.6", "from 0.02 to 1.5"},
        {F::Emissivity, &T::emissivity, "0", "from 0.1 to 1"},
        {F::Convection, &T::convection, "-1", "from 0 to 200"},
        {F::Contact, &T::contact, "20001", "from 0 to 20000"},
        {F::RollTemperature, &T::rollTemperature, "301", "from 0 to 300"},
        {F::HeatFraction, &T::heatFraction, "1.1", "from 0 to 1"},
        {F::MinimumTaper, &T::minimumTaper, "0", "from 0.001 to 0.2"},
        {F::AirTemperature, &T::airTemperature, "-21", "from -20 to 60"},
        {F::Density, &T::density, "6999", "from 7000 to 8000"},
        {F::SpecificHeat, &T::specificHeat, "1e9", "from 400 to 1000"},
    };
    // Rows in rolling order: row 0 is Pass 9, row 8 Pass 1.
    const struct {
        int row;
        MillColumn column;
        std::string typed;
        const char* accepted;
    } cells[] = {
        {0, C::Stand, " ", "1 to 20 characters, not all blanks"},
        {0, C::Stand, std::string(21, 's'), "1 to 20"},
        {1, C::Diameter, "", "from 200 to 1500"},
        {1, C::Diameter, "199.9", "from 200"},
        {2, C::Rpm, "abc", "from 1 to 600"},
        {2, C::Rpm, "0", "from 1"},
        {3, C::Interpass, "601", "from 0 to 600"},
        {3, C::Interpass, "", "or the distance to the next pass"},  // no distance either
        {4, C::Distance, "500.1", "from 0 to 500"},
        {8, C::Interpass, "2", "nothing: no pass follows the finishing pass"},
        {8, C::Distance, "3", "no pass follows"},
        {5, C::MaxForce, "0", "above 0 and at most 1000000, or nothing for no limit"},
        {5, C::MaxTorque, "-5", "above 0"},
        {5, C::MaxTorque, "1e30", "at most 100000"},
        {5, C::Motor, "nan", "above 0"},
        {6, C::NeckRatio, "0.81", "from 0.3 to 0.8, or nothing for 0.55"},
        {6, C::NeckFriction, "0.0009", "from 0.001 to 0.1"},
        {7, C::DriveEfficiency, "1.01", "from 0.5 to 1"},
    };
    auto refusal = [](const MillTexts& texts) {
        Mill mill = testing::oddMill();
        const std::optional<MillProblem> problem = readMill(texts, kPasses, mill);
        EXPECT_TRUE(mill == testing::oddMill()) << "changed";
        return problem.value_or(MillProblem{});
    };
    for (const auto& c : fields) {
        MillTexts texts = textsOfMill(exampleMill(kPasses));
        texts.*c.text = c.typed;
        const MillProblem problem = refusal(texts);
        EXPECT_EQ(problem.field, c.field) << c.typed;
        EXPECT_EQ(problem.value, c.typed);
        EXPECT_NE(problem.accepted.find(c.accepted), std::string::npos) << problem.accepted;
    }
    for (const auto& c : cells) {
        MillTexts texts = textsOfMill(exampleMill(kPasses));
        cell(texts, c.row, c.column) = c.typed;
        const MillProblem problem = refusal(texts);
        EXPECT_EQ(problem.field, std::nullopt) << c.typed;
        EXPECT_EQ(problem.row, c.row) << c.typed;
        EXPECT_EQ(problem.pass, kPasses - c.row) << c.typed;
        EXPECT_EQ(problem.column, c.column) << c.typed;
        EXPECT_NE(problem.accepted.find(c.accepted), std::string::npos) << problem.accepted;
    }
    MillTexts texts = textsOfMill(exampleMill(kPasses));
    texts.rows.pop_back();
    EXPECT_EQ(describeMillProblem(refusal(texts)),
              "Stands: \"8\" is not accepted.\nAccepted: one stand for each of the 9 passes of "
              "the Setup.");
    texts = textsOfMill(exampleMill(kPasses));
    cell(texts, 2, MillColumn::Rpm) = "abc";
    EXPECT_EQ(describeMillProblem(refusal(texts)),
              "Pass 7, Speed [rpm]: \"abc\" is not accepted.\nAccepted: a number from 1 to 600.");
}

TEST(ReadMill, TakesWhatTheDialogShowsAndTheDefaultsOfEmptyFields) {
    for (int passes = kFewestPasses; passes <= kMostPasses; ++passes) {
        const Mill example = exampleMill(passes);
        EXPECT_TRUE(example.example);
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

// The mill file refused names the fault; a mill of other passes is fitted.
TEST(OpenMill, RefusesADamagedForeignOrOutOfRangeFileAndFitsAGoodOne) {
    const std::string good = encodeMillFile(exampleMill(5));
    auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        const std::size_t at = text.find(from);
        if (at == std::string::npos) throw std::runtime_error("not in the file: " + from);
        return text.replace(at, from.size(), to);
    };
    const struct {
        const char* name;
        std::string text;
        std::string reason;
    } cases[] = {
        {"damaged", good.substr(0, 120), "not valid JSON (at byte 121)"},
        {"foreign", R"({"format": "ROLVANTA Design", "version": 2})",
         "not a ROLVANTA mill (no \"format\": \"ROLVANTA Mill\")"},
        {"version 2", replaced("\"version\": 1", "\"version\": 2"),
         "format version 2 is not one this program reads (1)"},
        {"a wrong type", replaced("\"rpm\": 45.0", "\"rpm\": \"45\""),
         "passes[0].rpm is not a number"},
        {"a missing value", replaced("\"diameter_mm\": 850.0,", ""),
         "passes[0].diameter_mm is missing"},
        {"a misspelt key", replaced("\"maxForce_kN\"", "\"maxForce_KN\""),
         "passes[0].maxForce_KN is not part of the format"},
        {"an unknown set", replaced("\"model\": \"shida\"", "\"model\": \"hensel\""),
         "steel.model is not \"shida\" or \"hensel-spittel\""},
        {"out of order", replaced("\"pass\": 5", "\"pass\": 4"),
         "passes[0].pass is 4, not 5: the passes run in rolling order, from the highest pass "
         "number down to 1"},
        {"out of range", replaced("\"rpm\": 45.0", "\"rpm\": 700"),
         "Pass 5, Speed [rpm]: \"700\" is not accepted. Accepted: a number from 1 to 600."},
    };
    testing::TemporaryFolder folder;
    for (const auto& c : cases) {
        const std::string path = folder / "refused.rolmill";
        ASSERT_EQ(replaceFile(path, c.text), std::nullopt);
        const MillOpened opened = openMillFile(path, 7);
        ASSERT_TRUE(opened.error) << c.name;
        EXPECT_EQ(opened.error->what, StorageFailure::NotValid) << c.name;
        EXPECT_EQ(opened.error->reason, c.reason) << c.name;
        EXPECT_FALSE(opened.mill.has_value()) << c.name;
    }

    ASSERT_EQ(saveMillFile(exampleMill(5), folder / "five"), std::nullopt);
    const MillOpened opened = openMillFile(folder / "five.rolmill", 7);
    ASSERT_FALSE(opened.error);
    EXPECT_EQ(opened.mill->stands.size(), 7u);
    EXPECT_EQ(opened.note, "The mill has 7 stands now: 2 copied from the last");
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
